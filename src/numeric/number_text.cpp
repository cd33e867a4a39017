#include "numeric/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace numeric {

std::string numberText(double value, const NumberLocale& locale, int significantDigits)
{
    if (value == 0.0) return "0"; // negative zero too
    if (!std::isfinite(value)) {
        // Checked arithmetic never hands these on; written out only so a
        // stray one is visible rather than fatal.
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }

    // The general form at 15 significant digits is exactly the rule: trailing
    // zeros dropped, the E form from a decimal exponent of 15 up or -5 down,
    // at least two exponent digits. Unlike printf, to_chars ignores the
    // process locale, so the separator is put in here.
    char buffer[32];
    // More than 15 digits would show noise; the buffer holds that many.
    const int digits = std::clamp(significantDigits, 1, 15);
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits).ptr;
    std::string text;
    for (const char* c = buffer; c != end; ++c) {
        if (*c == '.')
            text += locale.decimal;
        else
            text += *c == 'e' ? 'E' : *c;
    }
    return text;
}

} // namespace numeric
