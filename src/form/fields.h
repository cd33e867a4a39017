#pragma once
// The names of the calculator's controls that the procedures read and write.
// The enumerators carry the controls' own names, so code and window agree.

#include <array>
#include <string_view>

namespace form {

enum class Field {
    cylinders, bore, stroke, chamber, dome, deckHeight, gasketBore, gasketThickness, gasketVolume, pistonDiameter,
    topRingDepth,
};
enum class Option { inches, mm };
enum class Result { ratio, capacity, capacityUnit };

inline constexpr std::array allFields = {
    Field::cylinders,     Field::bore,      Field::stroke,    Field::chamber,  Field::dome,    Field::deckHeight,
    Field::gasketBore, Field::gasketThickness, Field::gasketVolume, Field::pistonDiameter, Field::topRingDepth,
};

std::string_view nameOf(Field field);
std::string_view nameOf(Option option);
std::string_view nameOf(Result caption);

}  // namespace form
