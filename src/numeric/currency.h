#pragma once
// The four-decimal fixed-point value through which the ratio is rounded for
// display: a signed 64-bit count of ten-thousandths.

#include "numeric/number_locale.h"

#include <compare>
#include <cstdint>
#include <string>

namespace numeric {

class Currency {
public:
    constexpr Currency() = default;
    static constexpr Currency fromTicks(std::int64_t ticks) { return Currency(ticks); }

    // Rounds to four decimals, a tie going to the even neighbour
    // (1.03125 -> 1.0312, 1.09375 -> 1.0938). Overflow outside the range, or
    // for a NaN.
    static Currency fromDouble(double value);

    constexpr std::int64_t ticks() const { return ticks_; }
    // The nearest double, for showing the figure rounded further.
    constexpr double toDouble() const { return static_cast<double>(ticks_) / 10000.0; }

    // Plain decimal text: no grouping, trailing zeros and a bare trailing
    // separator dropped ("8.5", "10", "0", "-3.25"), the locale's separator.
    std::string text(const NumberLocale& locale) const;

    friend constexpr auto operator<=>(Currency, Currency) = default;

private:
    constexpr explicit Currency(std::int64_t ticks) : ticks_(ticks) {}
    std::int64_t ticks_ = 0;
};

} // namespace numeric
