#pragma once
// What the procedures read and write on the window, by what each is: the
// entry fields, the unit options and the results. The window maps each to
// its control.

#include <array>
#include <optional>
#include <string_view>

namespace form {

enum class Field {
    cylinders,
    bore,
    stroke,
    chamber,
    dome,
    deckHeight,
    gasketBore,
    gasketThickness,
    gasketVolume,
    pistonDiameter,
    topRingDepth,
};
enum class Option { inches, mm };
enum class Result { ratio, capacity, capacityUnit };

// In Tab order.
inline constexpr std::array allFields = {
    Field::cylinders,    Field::bore,           Field::stroke,       Field::chamber,
    Field::dome,         Field::deckHeight,     Field::gasketBore,   Field::gasketThickness,
    Field::gasketVolume, Field::pistonDiameter, Field::topRingDepth,
};

// The field's name as an error carries it ("gasketBore"), and back.
std::string_view nameOf(Field field);
std::optional<Field> fieldNamed(std::string_view name);

} // namespace form
