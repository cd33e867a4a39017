#include "ui/figure_label.h"

#include "numeric/number_text.h"
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

namespace ui {

QString roundedToFit(const QString& text, std::optional<double> figure, const numeric::NumberLocale& locale,
                     const std::function<bool(const QString&)>& fits)
{
    if (!figure || fits(text)) return text;
    QString candidate;
    for (int digits = 15; digits >= 1; --digits) {
        candidate = QString::fromStdString(numeric::numberText(*figure, locale, digits));
        if (fits(candidate)) break;
    }
    return candidate;
}

QString FigureLabel::shownText() const
{
    const QFontMetricsF metrics(font(), this);
    const qreal room = contentsRect().width();
    const numeric::NumberLocale numbers{locale().decimalPoint().toStdString(), {}};
    return roundedToFit(text(), figure_, numbers,
                        [&](const QString& shown) { return metrics.horizontalAdvance(shown) <= room; });
}

void FigureLabel::setFigure(const QString& text, std::optional<double> figure)
{
    figure_ = figure;
    setText(text);
    showToolTip();
    if (copy_) copy_->setEnabled(!text.isEmpty());
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

} // namespace ui
