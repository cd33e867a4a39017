// The window as the user sees and hears it: every control where the table
// draws it, captions whole in their boxes with the fonts this machine has, the
// colours, and what a screen reader says. Also run at QT_SCALE_FACTOR=2.

#include "ui/control_table.h"
#include "ui/figure_label.h"
#include "ui/readable_colour.h"
#include "ui/translations.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QColorSpace>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <tuple>

namespace ui::testing {
namespace {

constexpr QColor kBlue(0, 0, 255);
constexpr QColor kDarkRed(192, 0, 0);
constexpr QColor kLightRed(255, 128, 128);

class Layout : public WindowTest {
protected:
    QWidget* widget(const ControlRow& row) const { return control(std::string(row.name).c_str()); }

    void workFirstExample()
    {
        for (const auto& [name, text] : {std::pair{"cyls", "8"},
                                         {"bore", "4.030"},
                                         {"stroke", "3.480"},
                                         {"chamb", "64"},
                                         {"dome", "-5"},
                                         {"deck", "0.015"},
                                         {"gasketvol", "9.2"}})
            typeInto(name, text);
        click("calc");
        ASSERT_EQ(caption("vorsil"), "9.9417");
    }
};

// The lines a label breaks its text into.
QStringList linesOf(const QLabel& label, const QString& text)
{
    if (!label.wordWrap()) return {text};
    QTextLayout layout(text, label.font(), &label);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrapping);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.width());
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

// Whether the text shows whole in the area the style really draws it in. A
// label's ink counts, not its line box: the one-line boxes are 17 px high and
// a 12 point line 18, but only descenders would reach the last pixel.
bool showsWhole(const QWidget& widget, const QString& text)
{
    const QFontMetricsF metrics(widget.font(), &widget);
    const QStyle& style = *widget.style();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const QStringList lines = linesOf(*label, text);
        const bool narrowEnough = std::ranges::all_of(
            lines, [&](const QString& line) { return metrics.tightBoundingRect(line).right() <= label->width(); });
        const double inkBottom = (lines.size() - 1) * metrics.lineSpacing() + metrics.ascent() +
                                 std::max(0.0, metrics.tightBoundingRect(lines.back()).bottom());
        return narrowEnough && inkBottom <= label->height();
    }
    if (qobject_cast<const QLineEdit*>(&widget)) {
        QStyleOptionFrame option;
        option.initFrom(&widget);
        option.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &widget);
        // QLineEdit keeps one pixel above and below its text.
        return metrics.height() + 2 <= style.subElementRect(QStyle::SE_LineEditContents, &option, &widget).height();
    }
    QStyleOptionButton option;
    option.initFrom(&widget);
    option.text = text;
    const auto contents = qobject_cast<const QCheckBox*>(&widget)      ? QStyle::SE_CheckBoxContents
                          : qobject_cast<const QRadioButton*>(&widget) ? QStyle::SE_RadioButtonContents
                                                                       : QStyle::SE_PushButtonContents;
    const QRect room = style.subElementRect(contents, &option, &widget);
    return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
}

bool drawsIn(QWidget& widget, const QColor& colour)
{
    const QImage image = widget.grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <=
                24)
                return true;
        }
    return false;
}

TEST_F(Layout, every_control_sits_where_the_table_draws_it)
{
    const qreal ratio = window->devicePixelRatio();
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(std::string(row.name));
        const QRectF drawn(row.left / 15.0, row.top / 15.0, row.width / 15.0, row.height / 15.0);
        EXPECT_EQ(QRectF(widget(row)->geometry()), drawn);
        EXPECT_EQ(widget(row)->grab().size(), (drawn.size() * ratio).toSize());
        EXPECT_TRUE(window->rect().contains(widget(row)->geometry()));
    }
    EXPECT_EQ(control("cyls")->size(), QSize(33, 19));
    for (const char* name :
         {"bore", "stroke", "chamb", "dome", "deck", "gasketbore", "compthick", "gasketvol", "piston", "topring"})
        EXPECT_EQ(control(name)->width(), 65) << name;
}

TEST_F(Layout, the_client_area_is_fixed_and_cannot_be_maximised)
{
    EXPECT_EQ(window->grab().size(), QSize(717, 291) * window->devicePixelRatio());
    EXPECT_EQ(window->minimumSize(), QSize(717, 291));
    EXPECT_EQ(window->maximumSize(), QSize(717, 291));
    window->resize(900, 400);
    EXPECT_EQ(window->size(), QSize(717, 291));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint); // without it the hints below are ignored
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

TEST_F(Layout, labels_are_bold_times_new_roman_at_the_tables_size)
{
    std::set<std::string_view> underlined;
    for (const ControlRow& row : kControls) {
        if (kindOf(row) != ControlKind::Label) continue;
        SCOPED_TRACE(std::string(row.name));
        const QFont font = widget(row)->font();
        EXPECT_EQ(font.family(), "Times New Roman");
        EXPECT_EQ(font.weight(), QFont::Bold);
        EXPECT_EQ(font.pointSizeF(), row.pointSize);
        if (font.underline()) underlined.insert(row.name);
        EXPECT_EQ(widget(row)->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(underlined, (std::set<std::string_view>{"Label6", "Label10"}));
    EXPECT_EQ(control("Label13")->font().pointSizeF(), 15.75);
    EXPECT_EQ(control("Label10")->toolTip(),
              "The small volume trapped between the piston and bore, above the top ring");
}

// A face with other widths would clip the captions that were laid out for
// Times New Roman.
TEST_F(Layout, times_new_roman_resolves_to_its_metric_twin)
{
    const QFontInfo resolved(control("Label2")->font());
    EXPECT_EQ(resolved.family(), "Liberation Serif");
    EXPECT_TRUE(resolved.bold());
}

TEST_F(Layout, other_controls_use_the_platform_dialog_font)
{
    const QFont dialog = QApplication::font();
    for (const ControlRow& row : kControls) {
        if (kindOf(row) == ControlKind::Label) continue;
        SCOPED_TRACE(std::string(row.name));
        const QFont font = widget(row)->font();
        EXPECT_EQ(font.family(), dialog.family());
        EXPECT_LT(font.weight(), QFont::Bold);
        EXPECT_LE(font.pointSizeF(), dialog.pointSizeF());
        if (kindOf(row) == ControlKind::TextField) {
            EXPECT_EQ(font.pointSizeF(), dialog.pointSizeF());
        }
    }
    EXPECT_EQ(control("inches")->font(), control("mm")->font());
}

TEST_F(Layout, every_caption_shows_whole_except_those_too_long_for_their_box)
{
    workFirstExample();
    // Three lines of "Piston Dome Vol (-ve if relief) CC" need more height
    // than its two-line box; a capacity of 15 significant digits is wider
    // than its box. Both were so as drawn.
    const std::set<std::string_view> clipped = {"Label5", "Label17"};
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(std::string(row.name));
        QWidget* shown = widget(row);
        const QString text =
            kindOf(row) == ControlKind::Label ? static_cast<QLabel*>(shown)->text() : QString::fromUtf8(row.caption);
        if (kindOf(row) == ControlKind::Label && text.isEmpty()) continue;
        EXPECT_EQ(showsWhole(*shown, text), !clipped.contains(row.name)) << text.toStdString();
    }
    EXPECT_TRUE(showsWhole(*control("Label18"), "Cu In"));
    EXPECT_TRUE(showsWhole(*control("Label18"), "cc"));
}

TEST_F(Layout, text_colours_are_the_tables_and_backgrounds_the_platforms)
{
    workFirstExample();
    const std::map<std::string_view, QColor> coloured = {
        {"Label14", kBlue}, {"vorsil", kBlue}, {"gasketvol", kDarkRed}, {"Label17", kLightRed}};
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(std::string(row.name));
        QWidget* shown = widget(row);
        const QPalette platform = QApplication::palette(shown);
        const QColor text = shown->palette().color(shown->foregroundRole());
        if (coloured.contains(row.name)) {
            EXPECT_EQ(text, coloured.at(row.name));
            EXPECT_TRUE(drawsIn(*shown, coloured.at(row.name)));
        } else {
            EXPECT_EQ(text, platform.color(shown->foregroundRole()));
        }
        EXPECT_EQ(shown->palette().color(shown->backgroundRole()), platform.color(shown->backgroundRole()));
        EXPECT_FALSE(shown->autoFillBackground());
    }
}

// On a dark desktop (Adwaita's dark grey, then a lighter one that leaves less
// room) the same hues, light enough to read; the designed ones again on the
// light palette. On each, a figure out of date is plainly fainter than a
// current one and still legible.
TEST_F(Layout, text_colours_stay_readable_on_a_dark_palette)
{
    ASSERT_NEAR(contrastRatio(kBlue, Qt::white), 8.59, 0.01);
    // Text lighter than the background in one channel only: luminance decides.
    EXPECT_EQ(readableOn(kDarkRed, QColor(255, 255, 200), Qt::blue), kDarkRed);
    EXPECT_NE(readableOn(kDarkRed, QColor(40, 40, 120), QColor(255, 255, 100)), kDarkRed);
    workFirstExample();
    const QPalette light = QApplication::palette();
    const std::map<std::string_view, QColor> coloured = {
        {"Label14", kBlue}, {"vorsil", kBlue}, {"gasketvol", kDarkRed}, {"Label17", kLightRed}};
    for (const bool current : {true, false}) {
        if (!current) {
            typeInto("chamb", "60");
            typeInto("cyls", "6"); // the ratio and the capacity out of date
        }
        for (const int grey : {53, 80, 0}) {
            QPalette palette = light;
            for (const auto role : {QPalette::Window, QPalette::Base})
                palette.setColor(role, QColor(grey, grey, grey));
            for (const auto role : {QPalette::WindowText, QPalette::Text})
                palette.setColor(role, Qt::white);
            QApplication::setPalette(grey ? palette : light);
            QCoreApplication::processEvents(); // Qt hands the change on to the widgets in posted events
            for (const auto& [name, designed] : coloured) {
                if (!current) break;
                QWidget* shown = control(std::string(name).c_str());
                const QColor text = shown->palette().color(shown->foregroundRole());
                if (!grey) {
                    EXPECT_EQ(text, designed) << name;
                    continue;
                }
                EXPECT_GE(contrastRatio(text, shown->palette().color(shown->backgroundRole())), 4.5) << name << grey;
                EXPECT_NEAR(text.hslHue(), designed.hslHue(), 2) << name;
            }
            for (const char* name : {"vorsil", "Label17"}) {
                if (current) break;
                auto* figure = control<FigureLabel>(name);
                ASSERT_TRUE(figure->isOutOfDate()) << name;
                const QColor faded = figure->figureColour();
                const QColor shown = figure->palette().color(figure->foregroundRole());
                EXPECT_GE(contrastRatio(faded, figure->palette().color(figure->backgroundRole())), 3.0) << name << grey;
                EXPECT_GE(std::abs(faded.red() - shown.red()) + std::abs(faded.green() - shown.green()) +
                              std::abs(faded.blue() - shown.blue()),
                          96)
                    << name << grey;
                EXPECT_TRUE(drawsIn(*figure, faded)) << name << grey;
            }
        }
    }
}

TEST_F(Layout, a_screen_reader_calls_each_field_by_its_label)
{
    const std::pair<const char*, const char*> names[] = {
        {"cyls", "No. of Cyls"},
        {"bore", "Bore"},
        {"stroke", "Stroke"},
        {"chamb", "Combustion Chamber CC"},
        {"dome", "Piston Dome Vol (-ve if relief) CC"},
        {"deck", "Deck Height"},
        {"gasketbore", "Gasket Bore"},
        {"compthick", "Compressed Thickness"},
        {"gasketvol", "Gasket Volume CC"},
        {"piston", "Piston Diameter"},
        {"topring", "Depth to Top Ring"},
    };
    for (const auto& [field, name] : names)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(control(field))->text(QAccessible::Name), name) << field;
}

TEST_F(Layout, a_screen_reader_reads_each_result_with_what_it_is)
{
    workFirstExample();
    const std::tuple<const char*, const char*, const char*> results[] = {
        {"vorsil", "9.9417", "Compression ratio"},
        {"Label17", "355.115158454753", "Capacity"},
        {"Label18", "Cu In", "Capacity unit"},
    };
    for (const auto& [label, name, description] : results) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control(label));
        EXPECT_EQ(reader->text(QAccessible::Name), name) << label;
        EXPECT_EQ(reader->text(QAccessible::Description), description) << label;
    }
}

// What a screen reader is told the moment a message box opens.
class BoxReader : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched)) {
            QAccessibleInterface* box = QAccessible::queryAccessibleInterface(watched);
            role = box->role();
            for (int i = 0; i < box->childCount(); ++i)
                texts << box->child(i)->text(QAccessible::Name);
        }
        return false;
    }
    QAccessible::Role role = QAccessible::NoRole;
    QStringList texts;
};

TEST_F(Layout, a_message_box_is_read_as_an_alert_with_its_text)
{
    BoxReader reader;
    qApp->installEventFilter(&reader);
    click("calc");
    qApp->removeEventFilter(&reader);
    ASSERT_EQ(takeBoxes().size(), 1u);
    EXPECT_EQ(reader.role, QAccessible::AlertMessage);
    EXPECT_TRUE(reader.texts.contains("All values must be entered")) << reader.texts.join('|').toStdString();
}

TEST_F(Layout, the_window_wears_the_programs_icon)
{
    // Each size as the theme's PNG of that size has it, pixel for pixel.
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        const QImage shown = window->windowIcon().pixmap(QSize(size, size), 1.0).toImage();
        QImage png(QStringLiteral(TORVANE_TESTS_DIR "/../src/ui/icons/torvane-%1.png").arg(size));
        png.setColorSpace({}); // a colour space tag of its own; the pixels are what count
        EXPECT_FALSE(shown.hasAlphaChannel());
        EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), png.convertToFormat(QImage::Format_RGB32)) << size;
    }
}

// A translation runs up to twice as long as the English: wrapped, set smaller
// or worded shorter, each caption shows whole in its designed box all the same.
class TranslatedLayout : public Layout, public ::testing::WithParamInterface<const char*> {
    Translations translations_{QLocale(QString::fromLatin1(GetParam()))};
};

TEST_P(TranslatedLayout, every_caption_shows_whole_in_its_designed_box)
{
    EXPECT_NE(caption("Label13"), "Compression Ratio") << "no catalogue for " << GetParam();
    EXPECT_EQ(window->size(), QSize(717, 291));
    for (const ControlRow& row : kControls) {
        if (row.caption.empty()) continue;
        SCOPED_TRACE(std::string(row.name));
        QWidget* shown = widget(row);
        EXPECT_EQ(QRectF(shown->geometry()),
                  QRectF(row.left / 15.0, row.top / 15.0, row.width / 15.0, row.height / 15.0));
        const auto* label = qobject_cast<QLabel*>(shown);
        const QString text = label ? label->text() : static_cast<QAbstractButton*>(shown)->text();
        EXPECT_TRUE(showsWhole(*shown, text)) << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedLayout, ::testing::Values("de", "fr", "es"),
                         [](const auto& language) { return std::string(language.param); });

// The solve dialog, in each language with its decimal comma: where a line
// breaks, a figure stays with its unit and a ratio with its ": 1", and a
// sentence ending in an abbreviation ends with one full stop.
struct SolvedIn {
    const char* language;
    std::array<const char*, 2> lineEnds; // of the ratio's sentence and the quench distance's
};

class TranslatedSolveDialog : public WindowTest, public ::testing::WithParamInterface<SolvedIn> {
protected:
    TranslatedSolveDialog() : WindowTest(QLocale(QString::fromLatin1(GetParam().language))) {}
    Translations translations_{QLocale(QString::fromLatin1(GetParam().language))};
};

TEST_P(TranslatedSolveDialog, keeps_each_figure_with_its_unit)
{
    typeEntries({{"cyls", "8"},
                 {"bore", "4,030"},
                 {"stroke", "3,480"},
                 {"chamb", "64"},
                 {"dome", "-5"},
                 {"deck", "0,025"},
                 {"gasketbore", "4,100"},
                 {"compthick", "0,039"}});
    QStringList lines;
    EXPECT_TRUE(solveIn("compthick", [&](QDialog& dialog) {
        dialog.findChild<QLineEdit*>()->setText("10,5");
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            for (const QString& paragraph : label->text().split('\n'))
                lines << linesOf(*label, paragraph);
        dialog.reject();
    }));
    lines.replaceInStrings(QString(QChar::Nbsp), " ");
    for (const char* end : GetParam().lineEnds)
        EXPECT_TRUE(std::ranges::any_of(lines, [&](const QString& line) { return line.endsWith(end); }))
            << end << " in:\n"
            << lines.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedSolveDialog,
                         ::testing::Values(SolvedIn{"de_DE", {"10,4993 : 1.", "0,064 Zoll."}},
                                           SolvedIn{"fr_FR", {"10,4993 : 1.", "0,064 pouce."}},
                                           SolvedIn{"es_ES", {"10,4993 : 1.", "0,064 pulg."}}),
                         [](const auto& solved) { return std::string(solved.param.language).substr(0, 2); });

} // namespace
} // namespace ui::testing
