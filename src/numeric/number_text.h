#pragma once
// How a computed double is shown in a field or label.

#include "numeric/number_locale.h"

#include <string>

namespace numeric {

// Rounded to 15 significant digits, no trailing zeros, no grouping, the locale's
// decimal separator ("5700.3", "0.333333333333333"). A decimal exponent of 15 or
// more, or of -5 or less, is written as mantissa, "E", sign and at least two
// digits ("1.5E+15", "1E-05"). Zero, also negative zero, is "0".
//
// With fewer significant digits the same rule gives a shorter figure for a
// narrow box: the E form then starts where the whole part has more digits
// than that (355.115158454753 at 7 is "355.1152", -27953963.1 at 4 is
// "-2.795E+07").
std::string numberText(double value, const NumberLocale& locale, int significantDigits = 15);

} // namespace numeric
