#include "numeric/conversions.h"
#include "numeric/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>

namespace numeric {
namespace {

const NumberLocale kPoint{".", ","};
const NumberLocale kComma{",", "."};

TEST(NumberText, Writes15SignificantDigits)
{
    struct Case {
        double value;
        const NumberLocale& locale;
        const char* expected;
    };
    const NumberLocale arabic{"\xd9\xab", "\xd9\xac"};
    // clang-format off
    const Case cases[] = {
        {5700.3, kPoint, "5700.3"}, {1.0 / 3, kPoint, "0.333333333333333"},
        {-1.0 / 3, kPoint, "-0.333333333333333"}, {2.0 / 3, kPoint, "0.666666666666667"},
        {0.0001, kPoint, "0.0001"}, {0.00012345, kPoint, "0.00012345"},
        {123456789012345, kPoint, "123456789012345"}, {1e14, kPoint, "100000000000000"},
        {120, kPoint, "120"}, {0.1 + 0.2, kPoint, "0.3"}, {-1.5, kPoint, "-1.5"},
        {355.1151584547534, kPoint, "355.115158454753"},
        {1998.2288863912, kPoint, "1998.2288863912"},
        {8.652404204834399, kPoint, "8.6524042048344"},
        {999999999999999.4, kPoint, "999999999999999"}, {0.0, kPoint, "0"}, {-0.0, kPoint, "0"},
        // the E form, decided on the exponent after rounding
        {999999999999999.9, kPoint, "1E+15"}, {1.5e15, kPoint, "1.5E+15"}, {1e15, kPoint, "1E+15"},
        {1e-5, kPoint, "1E-05"}, {9.9999999999999995e-5, kPoint, "0.0001"},
        {1.234e-7, kPoint, "1.234E-07"}, {1e100, kPoint, "1E+100"}, {1e-100, kPoint, "1E-100"},
        {-2.5e20, kPoint, "-2.5E+20"}, {123456789012345678.0, kPoint, "1.23456789012346E+17"},
        {DBL_MAX, kPoint, "1.79769313486232E+308"}, {-DBL_MAX, kPoint, "-1.79769313486232E+308"},
        {std::numeric_limits<double>::denorm_min(), kPoint, "4.94065645841247E-324"},
        // the locale's separator, also in the E form
        {5700.3, kComma, "5700,3"}, {1.5e15, kComma, "1,5E+15"}, {-0.25, kComma, "-0,25"},
        {1e-5, kComma, "1E-05"}, {1.0 / 3, arabic, "0\xd9\xab" "333333333333333"},
        // never produced by checked arithmetic, but must not break anything
        {std::numeric_limits<double>::infinity(), kPoint, "inf"},
        {-std::numeric_limits<double>::infinity(), kPoint, "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), kPoint, "nan"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(numberText(c.value, c.locale), c.expected);
    }
}

// x rounded to 15 significant digits, by the C library, as an independent reference
// (the test process keeps the "C" locale).
double roundedTo15(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    return std::strtod(buffer, nullptr);
}

TEST(NumberText, ReadsBackAsTheRoundedValue)
{
    std::vector<double> values = {
        1e15,
        1e-5,
        1e-4,
        999999999999999.9,
        9.99999999999999e14,
        0.1,
        1.0 / 7,
        std::numeric_limits<double>::denorm_min(),
        DBL_MIN,
        DBL_MAX * 0.99999999999999,
    };
    std::mt19937_64 random(77);
    std::uniform_real_distribution<double> moderate(-1e6, 1e6);
    for (int i = 0; i < 3000; ++i) {
        const double bits = std::bit_cast<double>(random());
        if (std::isfinite(bits)) {
            values.push_back(bits);
        }
        values.push_back(moderate(random));
        values.push_back(std::ldexp(moderate(random), static_cast<int>(random() % 120) - 60));
    }
    for (const double x : values) {
        const double expected = roundedTo15(x);
        if (!std::isfinite(expected)) {
            continue; // within a hair of the largest double, rounding leaves the range
        }
        const std::string point = numberText(x, kPoint);
        EXPECT_EQ(parseLenient(point, kPoint), expected) << point;
        EXPECT_EQ(parseStrict(point, kPoint), expected) << point;
        const std::string comma = numberText(x, kComma);
        EXPECT_EQ(parseLenient(comma, kComma), expected) << comma;
        EXPECT_EQ(parseStrict(comma, kComma), expected) << comma;
    }
}

} // namespace
} // namespace numeric
