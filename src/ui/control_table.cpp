#include "ui/control_table.h"

#include <QtGlobal>

namespace ui {

namespace {
using form::Field;
using form::Option;
using form::Result;
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kDarkRed{192, 0, 0};
constexpr Rgb kLightRed{255, 128, 128};
} // namespace

// clang-format off
const std::array<ControlRow, 37> kControls = {{
    //  name          role                           caption                                                          names field          left   top  width height  points underlined colour   description / tool tip
    {"cyls",       Field::cylinders,       "",                                                               {},                  1920,   600,  495,  285},
    {"bore",       Field::bore,            "",                                                               {},                  1920,  1080,  975,  285},
    {"Label1",     {},                     QT_TRANSLATE_NOOP("Form1", "Units"),                              {},                   240,   120,  735,  375, 12},
    {"Label2",     {},                     QT_TRANSLATE_NOOP("Form1", "Bore"),                               Field::bore,          240,  1080,  615,  255, 12},
    {"Label3",     {},                     QT_TRANSLATE_NOOP("Form1", "Stroke"),                             Field::stroke,        240,  1560,  855,  255, 12},
    {"Label4",     {},                     QT_TRANSLATE_NOOP("Form1", "Combustion Chamber CC"),              Field::chamber,       240,  2640, 1575,  615, 12},
    {"Label5",     {},                     QT_TRANSLATE_NOOP("Form1", "Piston Dome Vol (-ve if relief) CC"), Field::dome,          120,  3360, 1695,  615, 12},
    {"Label6",     {},                     QT_TRANSLATE_NOOP("Form1", "Head Gasket"),                        {},                  3240,   840, 1575,  375, 12,    true},
    {"Label7",     {},                     QT_TRANSLATE_NOOP("Form1", "Gasket Bore"),                        Field::gasketBore,   3480,  1320, 1575,  255, 12},
    {"Label8",     {},                     QT_TRANSLATE_NOOP("Form1", "Compressed Thickness"),               Field::gasketThickness, 3480, 1920, 1575, 615, 12},
    {"Label9",     {},                     QT_TRANSLATE_NOOP("Form1", "Gasket Volume CC"),                   Field::gasketVolume, 3480,  2760, 1695,  615, 12},
    {"Label10",    {},                     QT_TRANSLATE_NOOP("Form1", "Dead Area"),                          {},                  7680,   360, 1215,  375, 12,    true,  {},        {},
                   QT_TRANSLATE_NOOP("Form1", "The small volume trapped between the piston and bore, above the top ring")},
    {"Label11",    {},                     QT_TRANSLATE_NOOP("Form1", "Piston Diameter"),                    Field::pistonDiameter, 7800, 960, 1695,  255, 12},
    {"Label12",    {},                     QT_TRANSLATE_NOOP("Form1", "Depth to Top Ring"),                  Field::topRingDepth, 7800,  1440, 1815,  615, 12},
    {"Label13",    {},                     QT_TRANSLATE_NOOP("Form1", "Compression Ratio"),                  {},                  3840,  3720, 2775,  375, 15.75},
    {"Label14",    &Controls::toOne,       ":1",                                                             {},                  8520,  3600,  615,  615, 24,    false, kBlue},
    {"Label15",    {},                     QT_TRANSLATE_NOOP("Form1", "Deck Height"),                        Field::deckHeight,   3600,   120, 1455,  375, 12},
    {"stroke",     Field::stroke,          "",                                                               {},                  1920,  1560,  975,  285},
    {"chamb",      Field::chamber,         "",                                                               {},                  1920,  2850,  975,  285},
    {"dome",       Field::dome,            "",                                                               {},                  1920,  3570,  975,  285},
    {"deck",       Field::deckHeight,      "",                                                               {},                  5160,   120,  975,  285},
    {"gasketbore", Field::gasketBore,      "",                                                               {},                  5160,  1320,  975,  285},
    {"compthick",  Field::gasketThickness, "",                                                               {},                  5160,  2130,  975,  285},
    {"gasketvol",  Field::gasketVolume,    "",                                                               {},                  5160,  3000,  975,  285, 0,     false, kDarkRed},
    {"usetopland", &Controls::deadArea,    QT_TRANSLATE_NOOP("Form1", "Use this feature"),                   {},                  9120,   360, 1455,  375},
    {"piston",     Field::pistonDiameter,  "",                                                               {},                  9600,   930,  975,  285},
    {"topring",    Field::topRingDepth,    "",                                                               {},                  9600,  1560,  975,  285},
    {"vorsil",     Result::ratio,          "",                                                               {},                  6600,  3600, 1815,  615, 21.75, false, kBlue,     QT_TRANSLATE_NOOP("Form1", "Compression ratio")},
    {"calc",       &Controls::calculate,   QT_TRANSLATE_NOOP("Form1", "Calculate"),                          {},                  9480,  2880, 1095,  375},
    {"clear",      &Controls::clear,       QT_TRANSLATE_NOOP("Form1", "Clear"),                              {},                  9480,  3360, 1095,  375},
    {"print",      &Controls::print,       QT_TRANSLATE_NOOP("Form1", "Print"),                              {},                  9480,  3840, 1095,  375},
    {"inches",     Option::inches,         QT_TRANSLATE_NOOP("Form1", "Inches"),                             {},                  1080,   120,  855,  255},
    {"mm",         Option::mm,             "mm",                                                             {},                  2160,   120,  735,  255},
    {"Label16",    {},                     QT_TRANSLATE_NOOP("Form1", "Capacity"),                           {},                   240,  2040, 1095,  375, 12},
    {"Label17",    Result::capacity,       "",                                                               {},                  1560,  2040,  975,  375, 12,    false, kLightRed, QT_TRANSLATE_NOOP("Form1", "Capacity")},
    {"Label18",    Result::capacityUnit,   "",                                                               {},                  2640,  2160,  495,  255, 9.75,  false, {},        QT_TRANSLATE_NOOP("Form1", "Capacity unit")},
    {"Label19",    {},                     QT_TRANSLATE_NOOP("Form1", "No. of Cyls"),                        Field::cylinders,     240,   600, 1575,  375, 12},
}};
// clang-format on

std::string_view captionOf(form::Field field)
{
    for (const ControlRow& row : kControls)
        if (row.names == field) return row.caption;
    return {};
}

namespace {

// The name of the row whose role is role.
template <typename Role> std::string_view nameOfRole(Role role)
{
    for (const ControlRow& row : kControls)
        if (const auto* held = std::get_if<Role>(&row.role); held && *held == role) return row.name;
    return {};
}

} // namespace

std::string_view controlName(form::Field field)
{
    return nameOfRole(field);
}

std::string_view controlName(form::Result result)
{
    return nameOfRole(result);
}

} // namespace ui
