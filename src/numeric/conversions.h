#pragma once
// The two ways field text becomes a number. Which one a procedure uses on which
// field is part of that procedure's design: the difference shows on empty or
// non-numeric text and under a comma locale.

#include "numeric/number_locale.h"

#include <string_view>

namespace numeric {

// Lenient: reads the longest leading number and ignores the rest. Blanks, tabs
// and line feeds are skipped wherever they stand ("1 2" is 12). "." is a
// decimal point in every locale, and so is the locale's own separator: under
// "," the first "." or "," met is the point ("64,5" and "64.5" are 64.5), and
// anything else, a second separator included, ends the number. Under "." a
// comma ends it ("9,2" is 9). An exponent starts with E or D in either case;
// "&H" and "&O" introduce hexadecimal and octal digits. Empty or non-numeric
// text gives 0. The one failure: Overflow for a number beyond the range of a
// double ("1E+400").
double parseLenient(std::string_view text, const NumberLocale& locale);

// Strict: the whole text, blanks around it allowed, must be one number written
// with the locale's decimal separator: optional sign, digits, optional exponent.
// No digit grouping. Anything else, empty text included, is a TypeMismatch;
// a number beyond the range of a double is an Overflow.
double parseStrict(std::string_view text, const NumberLocale& locale);

} // namespace numeric
