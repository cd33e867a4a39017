#pragma once
// The window as data: every control's name, what it is to the program,
// caption, place, size, font and colour, one row a control, in tab-index
// order. The one place where a designed control name (`vorsil`, `Label17`)
// meets the role the code knows it by (the ratio, the capacity). Places and
// sizes are in twips (1440 to the inch, 15 to a pixel at 96 dpi), as the
// layout was drawn. Captions are in English, translated where the controls
// are made.

#include "form/fields.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ui {

class FigureField;
class FigureLabel;

// The window's controls by what they are, built once from the table.
struct Controls {
    std::array<FigureField*, form::allFields.size()> fields{}; // by form::Field
    std::array<FigureLabel*, 3> results{};                     // by form::Result
    std::array<QRadioButton*, 2> options{};                    // by form::Option
    QCheckBox* deadArea = nullptr;
    QPushButton* calculate = nullptr;
    QPushButton* clear = nullptr;
    QPushButton* print = nullptr;
    QLabel* toOne = nullptr;    // the ":1" beside the ratio
    std::vector<QWidget*> rows; // every control, in the table's order

    FigureField* field(form::Field which) const { return fields.at(static_cast<std::size_t>(which)); }
    FigureLabel* result(form::Result which) const { return results.at(static_cast<std::size_t>(which)); }
    QRadioButton* option(form::Option which) const { return options.at(static_cast<std::size_t>(which)); }
};

// What a row is to the program: a field, a result, a unit option, one of the
// controls named in Controls, or (none) a caption that only labels.
using ControlRole = std::variant<std::monostate, form::Field, form::Result, form::Option, QCheckBox * Controls::*,
                                 QPushButton * Controls::*, QLabel * Controls::*>;

enum class ControlKind { TextField, Label, Button, OptionButton, CheckBox };

struct Rgb {
    std::uint8_t red, green, blue;
};

struct ControlRow {
    std::string_view name;
    ControlRole role;
    std::string_view caption;
    std::optional<form::Field> names; // a label's field, which a screen reader calls by the label's caption
    int left, top, width, height;
    double pointSize = 0; // 0: the platform's dialog font
    bool underlined = false;
    std::optional<Rgb> textColour = {};
    std::string_view description = {}; // what a result label's figure is, for a screen reader
    std::string_view toolTip = {};
};

namespace detail {
struct KindOfRole {
    constexpr ControlKind operator()(form::Field) const { return ControlKind::TextField; }
    constexpr ControlKind operator()(form::Option) const { return ControlKind::OptionButton; }
    constexpr ControlKind operator()(QCheckBox* Controls::*) const { return ControlKind::CheckBox; }
    constexpr ControlKind operator()(QPushButton* Controls::*) const { return ControlKind::Button; }
    constexpr ControlKind operator()(const auto&) const { return ControlKind::Label; }
};
} // namespace detail

// The kind of widget a row's role makes.
constexpr ControlKind kindOf(const ControlRow& row)
{
    return std::visit(detail::KindOfRole{}, row.role);
}

inline constexpr int kTwipsPerPixel = 15;

// Device-independent pixels, which Qt scales for the screen's density.
constexpr int twipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline constexpr int kClientWidthTwips = 10755;
inline constexpr int kClientHeightTwips = 4365;
inline constexpr std::string_view kWindowTitle = "Torvane - Quenvar";
inline constexpr std::string_view kLabelFontFamily = "Times New Roman";
// Where the captions, descriptions and tool tips of the table are translated.
inline constexpr const char* kCaptionContext = "Form1";

extern const std::array<ControlRow, 37> kControls;

// The caption of the label that names a field, as the table writes it
// ("Bore" for the bore).
std::string_view captionOf(form::Field field);

// The designed name of a field's or a result's control ("gasketvol", "vorsil").
std::string_view controlName(form::Field field);
std::string_view controlName(form::Result result);

} // namespace ui
