#include "ui/figure_label.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

namespace ui {

namespace {

// Trailing zeros after rounding would claim digits that were dropped.
QString withoutTrailingZeros(QString digits)
{
    if (!digits.contains('.')) return digits;
    while (digits.endsWith('0'))
        digits.chop(1);
    if (digits.endsWith('.')) digits.chop(1);
    return digits;
}

}  // namespace

QString roundedToFit(const QString& figure, const QString& decimalPoint,
                     const std::function<bool(const QString&)>& fits)
{
    if (fits(figure)) return figure;
    static const QRegularExpression shape(QStringLiteral(R"(^-?(\d+)(?:([^\dE+-])(\d+))?(?:E([+-]\d+))?$)"));
    const QRegularExpressionMatch match = shape.match(figure);
    if (!match.hasMatch()) return figure;
    const QString separator = match.hasCaptured(2) ? match.captured(2) : decimalPoint;
    const auto decimals = static_cast<int>(match.capturedLength(3));
    const bool exponentForm = match.hasCaptured(4);
    bool read = false;
    const double value = QString(figure).replace(separator, QStringLiteral(".")).toDouble(&read);
    if (!read) return figure;

    const auto local = [&](const QString& digits) { return QString(digits).replace('.', separator); };
    if (!exponentForm) {
        for (int places = decimals - 1; places >= 0; --places) {
            const QString candidate = local(withoutTrailingZeros(QString::number(value, 'f', places)));
            if (fits(candidate)) return candidate;
        }
    }
    // Whatever the whole part and decimals held is now spread over the mantissa.
    const auto mantissaDigits = static_cast<int>(match.capturedLength(1)) + decimals - 1;
    QString candidate;
    for (int places = mantissaDigits; places >= 0; --places) {
        const QString mantissa = QString::number(value, 'E', places);
        const auto e = mantissa.indexOf('E');
        candidate = local(withoutTrailingZeros(mantissa.left(e)) + mantissa.mid(e));
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

void FigureLabel::paintEvent(QPaintEvent* event)
{
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), shown, foregroundRole());
}

}  // namespace ui
