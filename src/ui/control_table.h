#pragma once
// The window as data: every control's name, kind, caption, place, size, font
// and colour, one row a control, in tab-index order. Places and sizes are in
// twips (1440 to the inch, 15 to a pixel at 96 dpi), as the layout was drawn.
// Captions are in English, translated where the controls are made.

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ui {

enum class ControlKind { TextField, Label, Button, OptionButton, CheckBox };

struct Rgb {
    std::uint8_t red, green, blue;
};

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    std::string_view namesField;  // a label's field, which a screen reader calls by the label's caption
    int left, top, width, height;
    double pointSize = 0;  // 0: the platform's dialog font
    bool underlined = false;
    std::optional<Rgb> textColour = {};
    std::string_view description = {};  // what a result label's figure is, for a screen reader
};

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
inline constexpr std::string_view kDeadAreaToolTip =
    QT_TRANSLATE_NOOP("Form1", "The small volume trapped between the piston and bore, above the top ring");
// Where the captions, descriptions and the tool tip above are translated.
inline constexpr const char* kCaptionContext = "Form1";

extern const std::array<ControlRow, 37> kControls;

// The caption of the label that names a field, as the window shows it
// ("Bore" for bore); empty for a name no label names.
std::string_view captionNaming(std::string_view field);

}  // namespace ui
