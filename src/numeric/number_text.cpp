#include "numeric/number_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace numeric {

namespace {

constexpr int kSignificantDigits = 15;

// Exponents from here on, or at the negative one and below, are written in
// the E form.
constexpr int kLargeExponent = 15;
constexpr int kSmallExponent = -5;

std::string exponentText(int exponent)
{
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2) {
        digits.insert(0, 1, '0');
    }
    return (exponent < 0 ? "E-" : "E+") + digits;
}

}  // namespace

std::string numberText(double value, const NumberLocale& locale)
{
    if (value == 0.0) {
        return "0";  // negative zero too
    }
    if (!std::isfinite(value)) {
        // Checked arithmetic never hands these on; written out only so a
        // stray one is visible rather than fatal.
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }

    // to_chars rounds correctly to 15 significant digits and, unlike printf,
    // ignores the process locale: "d.dddddddddddddde+dd".
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));

    const bool negative = scientific.front() == '-';
    if (negative) {
        scientific.remove_prefix(1);
    }
    const std::size_t e = scientific.find('e');
    std::string digits;
    digits += scientific[0];
    digits += scientific.substr(2, e - 2);
    digits.erase(digits.find_last_not_of('0') + 1);  // the first digit is never 0

    std::string_view exponentPart = scientific.substr(e + 1);
    const bool negativeExponent = exponentPart.front() == '-';
    exponentPart.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentPart.data(), exponentPart.data() + exponentPart.size(), exponent);
    if (negativeExponent) {
        exponent = -exponent;
    }

    std::string text = negative ? "-" : "";
    if (exponent >= kLargeExponent || exponent <= kSmallExponent) {
        text += digits[0];
        if (digits.size() > 1) {
            text += locale.decimal;
            text.append(digits, 1);
        }
        text += exponentText(exponent);
    } else if (exponent >= 0) {
        const std::size_t intCount = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intCount) {
            text += digits;
            text.append(intCount - digits.size(), '0');
        } else {
            text.append(digits, 0, intCount);
            text += locale.decimal;
            text.append(digits, intCount);
        }
    } else {
        text += '0';
        text += locale.decimal;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}

}  // namespace numeric
