#include "ui/control_table.h"

#include <QtGlobal>

namespace ui {

namespace {
using enum ControlKind;
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kDarkRed{192, 0, 0};
constexpr Rgb kLightRed{255, 128, 128};
}  // namespace

// clang-format off
const std::array<ControlRow, 37> kControls = {{
    //  name          kind          caption                                                          names field    left   top  width height  points underlined colour   description
    {"cyls",       TextField,    "",                                                               "",            1920,   600,  495,  285},
    {"bore",       TextField,    "",                                                               "",            1920,  1080,  975,  285},
    {"Label1",     Label,        QT_TRANSLATE_NOOP("Form1", "Units"),                              "",             240,   120,  735,  375, 12},
    {"Label2",     Label,        QT_TRANSLATE_NOOP("Form1", "Bore"),                               "bore",         240,  1080,  615,  255, 12},
    {"Label3",     Label,        QT_TRANSLATE_NOOP("Form1", "Stroke"),                             "stroke",       240,  1560,  855,  255, 12},
    {"Label4",     Label,        QT_TRANSLATE_NOOP("Form1", "Combustion Chamber CC"),              "chamb",        240,  2640, 1575,  615, 12},
    {"Label5",     Label,        QT_TRANSLATE_NOOP("Form1", "Piston Dome Vol (-ve if relief) CC"), "dome",         120,  3360, 1695,  615, 12},
    {"Label6",     Label,        QT_TRANSLATE_NOOP("Form1", "Head Gasket"),                        "",            3240,   840, 1575,  375, 12,    true},
    {"Label7",     Label,        QT_TRANSLATE_NOOP("Form1", "Gasket Bore"),                        "gasketbore",  3480,  1320, 1575,  255, 12},
    {"Label8",     Label,        QT_TRANSLATE_NOOP("Form1", "Compressed Thickness"),               "compthick",   3480,  1920, 1575,  615, 12},
    {"Label9",     Label,        QT_TRANSLATE_NOOP("Form1", "Gasket Volume CC"),                   "gasketvol",   3480,  2760, 1695,  615, 12},
    {"Label10",    Label,        QT_TRANSLATE_NOOP("Form1", "Dead Area"),                          "",            7680,   360, 1215,  375, 12,    true},
    {"Label11",    Label,        QT_TRANSLATE_NOOP("Form1", "Piston Diameter"),                    "piston",      7800,   960, 1695,  255, 12},
    {"Label12",    Label,        QT_TRANSLATE_NOOP("Form1", "Depth to Top Ring"),                  "topring",     7800,  1440, 1815,  615, 12},
    {"Label13",    Label,        QT_TRANSLATE_NOOP("Form1", "Compression Ratio"),                  "",            3840,  3720, 2775,  375, 15.75},
    {"Label14",    Label,        ":1",                                                             "",            8520,  3600,  615,  615, 24,    false, kBlue},
    {"Label15",    Label,        QT_TRANSLATE_NOOP("Form1", "Deck Height"),                        "deck",        3600,   120, 1455,  375, 12},
    {"stroke",     TextField,    "",                                                               "",            1920,  1560,  975,  285},
    {"chamb",      TextField,    "",                                                               "",            1920,  2850,  975,  285},
    {"dome",       TextField,    "",                                                               "",            1920,  3570,  975,  285},
    {"deck",       TextField,    "",                                                               "",            5160,   120,  975,  285},
    {"gasketbore", TextField,    "",                                                               "",            5160,  1320,  975,  285},
    {"compthick",  TextField,    "",                                                               "",            5160,  2130,  975,  285},
    {"gasketvol",  TextField,    "",                                                               "",            5160,  3000,  975,  285, 0,     false, kDarkRed},
    {"usetopland", CheckBox,     QT_TRANSLATE_NOOP("Form1", "Use this feature"),                   "",            9120,   360, 1455,  375},
    {"piston",     TextField,    "",                                                               "",            9600,   930,  975,  285},
    {"topring",    TextField,    "",                                                               "",            9600,  1560,  975,  285},
    {"vorsil",     Label,        "",                                                               "",            6600,  3600, 1815,  615, 21.75, false, kBlue,     QT_TRANSLATE_NOOP("Form1", "Compression ratio")},
    {"calc",       Button,       QT_TRANSLATE_NOOP("Form1", "Calculate"),                          "",            9480,  2880, 1095,  375},
    {"clear",      Button,       QT_TRANSLATE_NOOP("Form1", "Clear"),                              "",            9480,  3360, 1095,  375},
    {"print",      Button,       QT_TRANSLATE_NOOP("Form1", "Print"),                              "",            9480,  3840, 1095,  375},
    {"inches",     OptionButton, QT_TRANSLATE_NOOP("Form1", "Inches"),                             "",            1080,   120,  855,  255},
    {"mm",         OptionButton, "mm",                                                             "",            2160,   120,  735,  255},
    {"Label16",    Label,        QT_TRANSLATE_NOOP("Form1", "Capacity"),                           "",             240,  2040, 1095,  375, 12},
    {"Label17",    Label,        "",                                                               "",            1560,  2040,  975,  375, 12,    false, kLightRed, QT_TRANSLATE_NOOP("Form1", "Capacity")},
    {"Label18",    Label,        "",                                                               "",            2640,  2160,  495,  255, 9.75,  false, {},        QT_TRANSLATE_NOOP("Form1", "Capacity unit")},
    {"Label19",    Label,        QT_TRANSLATE_NOOP("Form1", "No. of Cyls"),                        "cyls",         240,   600, 1575,  375, 12},
}};
// clang-format on

std::string_view captionNaming(std::string_view field)
{
    for (const ControlRow& row : kControls)
        if (!field.empty() && row.namesField == field) return row.caption;
    return {};
}

}  // namespace ui
