#include "ui/control_style.h"

#include "ui/figure_field.h"
#include "ui/figure_label.h"
#include "ui/readable_colour.h"
#include "ui/translated.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>

// The window icon's sizes, each made from the PNG of the same size. The hicolor
// theme has more, up to 256 and scalable; a window icon is never shown larger
// than these, and each size is sent to the window system. XPM, because Qt
// reads XPM compiled into the program itself: a PNG is read through the PNG
// library, after looking through every image format plugin.
#include "ui/icons/torvane-128.xpm"
#include "ui/icons/torvane-16.xpm"
#include "ui/icons/torvane-24.xpm"
#include "ui/icons/torvane-32.xpm"
#include "ui/icons/torvane-48.xpm"
#include "ui/icons/torvane-64.xpm"

namespace ui {

namespace {

// Below this a caption would be unreadable; better clipped than illegible.
// Translations are worded to fit at this size or larger.
constexpr double kSmallestDialogPoints = 6.0;

QColor toQColor(Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

QFont labelFont(const ControlRow& row)
{
    QFont font(QString::fromUtf8(kLabelFontFamily));
    font.setStyleHint(QFont::Serif); // where no metric twin is installed, at least a serif face
    font.setPointSizeF(row.pointSize);
    font.setWeight(QFont::Bold);
    font.setUnderline(row.underlined);
    return font;
}

// Only a box two lines high wraps: a one-line box that wrapped would push a
// caption that is a hair too wide onto a second line it cannot show.
bool wraps(const QLabel& label, const QFont& font)
{
    const QFontMetricsF metrics(font, &label);
    return metrics.lineSpacing() + metrics.height() <= label.height();
}

// Whether the caption's ink shows whole in the label's box with this font,
// broken into lines as the label breaks it. Ink, not line boxes: the one-line
// boxes are a pixel lower than a 12 point line, which only descenders reach.
bool labelFits(const QLabel& label, const QFont& font)
{
    const QString text = label.text();
    const QFontMetricsF metrics(font, &label);
    QTextLayout layout(text, font, &label);
    QTextOption option;
    option.setWrapMode(wraps(label, font) ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    QString last;
    int lines = 0;
    bool narrowEnough = true;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine(), ++lines) {
        line.setLineWidth(label.width());
        last = text.mid(line.textStart(), line.textLength()).trimmed();
        narrowEnough = narrowEnough && metrics.tightBoundingRect(last).right() <= label.width();
    }
    layout.endLayout();
    const double inkBottom = (lines - 1) * metrics.lineSpacing() + metrics.ascent() +
                             std::max(0.0, metrics.tightBoundingRect(last).bottom());
    return narrowEnough && inkBottom <= label.height();
}

// The designed captions stand at the table's size, as they were drawn; a
// translation that runs longer is set smaller until it shows whole. The
// figures the procedures write are never made smaller.
void fitLabel(QLabel& label, const ControlRow& row)
{
    QFont font = label.font();
    if (!row.caption.empty() && label.text() != QString::fromUtf8(row.caption)) {
        while (!labelFits(label, font) && font.pointSizeF() - 0.5 >= kSmallestDialogPoints)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        if (font != label.font()) label.setFont(font);
    }
    label.setWordWrap(wraps(label, font));
}

int pixelMetric(const QWidget& control, QStyle::PixelMetric metric)
{
    return control.style()->pixelMetric(metric, nullptr, &control);
}

// Room a check box or option button keeps for its indicator before the caption.
double indicatorAllowance(const QWidget& control, ControlKind kind)
{
    const bool check = kind == ControlKind::CheckBox;
    return pixelMetric(control, check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth) +
           pixelMetric(control, check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing);
}

bool fitsBesideIndicator(const QFontMetricsF& metrics, const ControlRow& row, double allowance)
{
    return metrics.horizontalAdvance(translatedCaption(row.caption)) + allowance <= twipsToPixels(row.width) &&
           metrics.height() <= twipsToPixels(row.height);
}

// Whether the caption (or, in a field, a line of text) shows whole in the box
// with this font.
bool captionFits(const QWidget& control, const ControlRow& row, const QFont& font)
{
    const QFontMetricsF metrics(font, &control);
    const double frame = pixelMetric(control, QStyle::PM_DefaultFrameWidth);
    switch (kindOf(row)) {
    case ControlKind::TextField:
        // QLineEdit keeps one pixel above and below the text inside its frame.
        return metrics.height() + 2 * frame + 2 <= control.height();
    case ControlKind::Button: {
        const double margins = 2 * (pixelMetric(control, QStyle::PM_ButtonMargin) + frame);
        return metrics.horizontalAdvance(translatedCaption(row.caption)) + margins <= control.width() &&
               metrics.height() + 2 * frame <= control.height();
    }
    case ControlKind::CheckBox:
        return fitsBesideIndicator(metrics, row, indicatorAllowance(control, kindOf(row)));
    case ControlKind::OptionButton:
        // The group shares one size, so that "mm" does not look larger than
        // "Inches" beside it.
        return std::ranges::all_of(kControls, [&](const ControlRow& other) {
            return kindOf(other) != ControlKind::OptionButton ||
                   fitsBesideIndicator(metrics, other, indicatorAllowance(control, kindOf(other)));
        });
    case ControlKind::Label:
        break;
    }
    return true;
}

// The platform's dialog font, made smaller only where the caption would not
// fit the box: the boxes were drawn for a small bitmap font, and today's
// default fonts are wider.
void fitDialogFont(QWidget& control, const ControlRow& row)
{
    // Measured on a copy and set once: each setFont restyles the control.
    QFont font = control.font();
    while (!captionFits(control, row, font) && font.pointSizeF() - 0.5 >= kSmallestDialogPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != control.font()) control.setFont(font);
}

// Several sizes, so that a task switcher on a dense screen need not blow up
// the small one.
QIcon windowIcon()
{
    QIcon icon;
    for (const char* const* xpm : {torvane_16, torvane_24, torvane_32, torvane_48, torvane_64, torvane_128})
        icon.addPixmap(QPixmap::fromImage(QImage(xpm)));
    return icon;
}

} // namespace

void styleWindow(QWidget& window)
{
    window.setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // Given once the window is up: the window system takes an icon at any
    // time, and reading and converting its sizes first kept the window from
    // showing by a few milliseconds.
    QTimer::singleShot(0, &window, [&window] { window.setWindowIcon(windowIcon()); });
}

namespace {

QRect pixels(const ControlRow& row)
{
    return {twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width), twipsToPixels(row.height)};
}

// Makes the widget a row's role calls for, and keeps it in controls by that role.
struct Make {
    Controls& controls;
    QWidget& window;
    QString caption;

    QWidget* operator()(std::monostate) const { return new QLabel(caption, &window); }
    QWidget* operator()(form::Field field) const
    {
        return controls.fields.at(static_cast<std::size_t>(field)) = new FigureField(&window);
    }
    QWidget* operator()(form::Result result) const
    {
        return controls.results.at(static_cast<std::size_t>(result)) = new FigureLabel(&window);
    }
    QWidget* operator()(form::Option option) const
    {
        return controls.options.at(static_cast<std::size_t>(option)) = new QRadioButton(caption, &window);
    }
    template <typename Widget> QWidget* operator()(Widget* Controls::*member) const
    {
        return controls.*member = new Widget(caption, &window);
    }
};

// A label's font from the table, its tool tip, and what a screen reader says
// for the control; nothing here measures a font.
void styleControl(QWidget& control, const ControlRow& row)
{
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setTextFormat(Qt::PlainText); // results are figures, never markup
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(labelFont(row));
    }
    if (!row.description.empty()) control.setAccessibleDescription(translatedCaption(row.description));
    if (!row.toolTip.empty()) control.setToolTip(translatedCaption(row.toolTip));
}

} // namespace

Controls makeControls(QWidget& window)
{
    Controls controls;
    for (const ControlRow& row : kControls) {
        QWidget* control = std::visit(Make{controls, window, translatedCaption(row.caption)}, row.role);
        control->setObjectName(QString::fromUtf8(row.name));
        control->setGeometry(pixels(row));
        styleControl(*control, row);
        controls.rows.push_back(control);
    }
    // Each label becomes the buddy of the field it names, so a screen reader
    // calls the field by the label's caption.
    for (std::size_t row = 0; row < kControls.size(); ++row)
        if (auto* label = qobject_cast<QLabel*>(controls.rows[row]); label && kControls[row].names)
            label->setBuddy(controls.field(*kControls[row].names));
    colourControls(window, controls);
    return controls;
}

void fitControls(const Controls& controls)
{
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (auto* label = qobject_cast<QLabel*>(controls.rows[row]))
            fitLabel(*label, kControls[row]);
        else
            fitDialogFont(*controls.rows[row], kControls[row]);
    }
}

void colourControls(const QWidget& window, const Controls& controls)
{
    const QPalette& platform = window.palette();
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (!kControls[row].textColour) continue;
        QWidget* control = controls.rows[row];
        // Only the role this kind of control draws its text with; the
        // background stays the platform's, and the colour is measured
        // against it: the window's for a label, the field's own base.
        const QColor colour =
            readableOn(toQColor(*kControls[row].textColour), platform.color(control->backgroundRole()),
                       platform.color(control->foregroundRole()));
        // A palette with this one role set, so that every other role goes on
        // following the window's.
        QPalette palette;
        palette.setColor(control->foregroundRole(), colour);
        control->setPalette(palette);
    }
}

} // namespace ui
