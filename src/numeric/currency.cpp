#include "numeric/currency.h"

#include "numeric/runtime_error.h"

#include <cmath>

namespace numeric {

namespace {

// Nearest integer, a tie going to the even neighbour, whatever the floating
// point rounding mode happens to be.
double roundHalfEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below; // exact for every finite double
    if (fraction > 0.5) {
        return below + 1.0;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace

Currency Currency::fromDouble(double value)
{
    // 2^63 exactly; the range is [-2^63, 2^63), so the lower end is included.
    constexpr double kLimit = 9223372036854775808.0;
    const double product = value * 10000.0;
    if (!std::isfinite(product)) {
        throw RuntimeError(ErrorKind::Overflow);
    }
    const double scaled = roundHalfEven(product);
    if (scaled >= kLimit || scaled < -kLimit) {
        throw RuntimeError(ErrorKind::Overflow);
    }
    return Currency(static_cast<std::int64_t>(scaled));
}

std::string Currency::text(const NumberLocale& locale) const
{
    // Work on the magnitude as unsigned so the most negative value has one too.
    const bool negative = ticks_ < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(ticks_) : static_cast<std::uint64_t>(ticks_);

    std::string result = negative ? "-" : "";
    result += std::to_string(magnitude / 10000);

    std::uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        std::string digits(4, '0');
        for (int i = 3; i >= 0; --i) {
            digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        digits.erase(digits.find_last_not_of('0') + 1);
        result += locale.decimal;
        result += digits;
    }
    return result;
}

} // namespace numeric
