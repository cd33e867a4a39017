#pragma once
// The names of the calculator's controls that the procedures read and write.
// The enumerators carry the controls' own names, so code and window agree.

#include <array>
#include <string_view>

namespace form {

enum class Field { cyls, bore, stroke, chamb, dome, deck, gasketbore, compthick, gasketvol, piston, topring };
enum class Option { inches, mm };
enum class Caption { vorsil, Label17, Label18 };

inline constexpr std::array allFields = {
    Field::cyls,     Field::bore,      Field::stroke,    Field::chamb,  Field::dome,    Field::deck,
    Field::gasketbore, Field::compthick, Field::gasketvol, Field::piston, Field::topring,
};

std::string_view nameOf(Field field);
std::string_view nameOf(Option option);
std::string_view nameOf(Caption caption);

}  // namespace form
