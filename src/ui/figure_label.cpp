#include "ui/figure_label.h"

#include "numeric/conversions.h"
#include "numeric/number_text.h"
#include "numeric/runtime_error.h"
#include "ui/readable_colour.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QStyle>

#include <optional>
#include <utility>

namespace ui {

namespace {

// The figure read back, under its own decimal separator: whatever first
// stands where a digit, sign or exponent could not, or decimalPoint in a
// figure that has none. Nothing when the text is no figure ("Cu In").
std::optional<std::pair<double, numeric::NumberLocale>> figureValue(const QString& figure,
                                                                    const QString& decimalPoint)
{
    QString separator = decimalPoint;
    for (const QChar c : figure)
        if (!c.isDigit() && c != '-' && c != '+' && c != 'E') {
            separator = c;
            break;
        }
    const numeric::NumberLocale locale{separator.toStdString(), {}};
    try {
        return std::pair{numeric::parseStrict(figure.toStdString(), locale), locale};
    } catch (const numeric::RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace

QString roundedToFit(const QString& figure, const QString& decimalPoint,
                     const std::function<bool(const QString&)>& fits)
{
    if (fits(figure)) return figure;
    const auto read = figureValue(figure, decimalPoint);
    if (!read) return figure;
    QString candidate;
    for (int digits = 15; digits >= 1; --digits) {
        candidate = QString::fromStdString(numeric::numberText(read->first, read->second, digits));
        if (fits(candidate)) break;
    }
    return candidate;
}

QString FigureLabel::shownText() const
{
    const QFontMetricsF metrics(font(), this);
    const qreal room = contentsRect().width();
    return roundedToFit(text(), locale().decimalPoint(),
                        [&](const QString& shown) { return metrics.horizontalAdvance(shown) <= room; });
}

void FigureLabel::setFigure(const QString& figure)
{
    setText(figure);
    showToolTip();
    if (copy_) copy_->setEnabled(!figure.isEmpty());
}

void FigureLabel::setOutOfDate(const QString& why)
{
    if (why == outOfDate_) return;
    if (outOfDate_.isEmpty()) currentDescription_ = accessibleDescription();
    outOfDate_ = why;
    setAccessibleDescription(why.isEmpty() ? currentDescription_ : why);
    showToolTip();
    update();
}

void FigureLabel::showToolTip()
{
    setToolTip(outOfDate_.isEmpty() || text().isEmpty() ? text() : outOfDate_ + '\n' + text());
}

QColor FigureLabel::figureColour() const
{
    return isOutOfDate() ? fadedOn(palette().color(backgroundRole())) : palette().color(foregroundRole());
}

void FigureLabel::offerCopy()
{
    copy_ = new QAction(tr("Copy"), this);
    copy_->setEnabled(!text().isEmpty());
    connect(copy_, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setText(text()); });
    addAction(copy_);
}

// The menu Qt would make of the label's actions. Its icon is looked up in the
// desktop's theme when the menu opens, until the theme has one: looked up at
// start-up, it loaded an icon engine and read the theme's index before the
// window could show.
void FigureLabel::contextMenuEvent(QContextMenuEvent* event)
{
    if (!copy_) {
        QLabel::contextMenuEvent(event);
        return;
    }
    if (copy_->icon().isNull()) copy_->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy")));
    QMenu::exec(actions(), event->globalPos(), nullptr, this);
}

void FigureLabel::paintEvent(QPaintEvent* event)
{
    const QString shown = shownText();
    if (shown == text() && !isOutOfDate()) {
        QLabel::paintEvent(event);
        return;
    }
    QPalette colours = palette();
    colours.setColor(foregroundRole(), figureColour());
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), colours,
                          isEnabled(), shown, foregroundRole());
}

}  // namespace ui
