#include "numeric/conversions.h"
#include "numeric/currency.h"
#include "numeric/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>

namespace numeric {
namespace {

using Limits = std::numeric_limits<std::int64_t>;

const NumberLocale kPoint{".", ","};
const NumberLocale kComma{",", "."};

TEST(Currency, FromDoubleRoundsTiesToEven)
{
    struct Case {
        double value;
        std::int64_t ticks;
    };
    // clang-format off
    const Case cases[] = {
        {1.03125, 10312}, {1.09375, 10938}, {-1.03125, -10312}, {-1.09375, -10938},
        {2.5, 25000}, {0.0, 0}, {-0.0, 0}, {9.8734, 98734}, {0.00004, 0}, {0.00006, 1},
        {-0.00006, -1}, {0.00005078125, 1}, {0.03125, 312}, {0.09375, 938}, {-0.03125, -312},
        {0.15625, 1562},
        // the extreme doubles: -2^63 is in range, the top neighbour below 2^63 too
        {-922337203685477.5808, Limits::min()}, {922337203685477.5, 9223372036854774784},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(Currency::fromDouble(c.value).ticks(), c.ticks) << c.value;
    }
}

TEST(Currency, FromDoubleOverflowsOutsideTheRange)
{
    const double cases[] = {
        922337203685477.5807, // the nearest double times 10000 is 2^63
        1e15,
        -1e15,
        1e300,
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(),
    };
    for (const double value : cases) {
        std::optional<ErrorKind> kind;
        try {
            Currency::fromDouble(value);
        } catch (const RuntimeError& e) {
            kind = e.kind();
        }
        EXPECT_EQ(kind, ErrorKind::Overflow) << value;
    }
}

TEST(Currency, Text)
{
    struct Case {
        std::int64_t ticks;
        const NumberLocale& locale;
        const char* expected;
    };
    const NumberLocale arabic{"\xd9\xab", "\xd9\xac"};
    // clang-format off
    const Case cases[] = {
        {95000, kPoint, "9.5"}, {100000, kPoint, "10"}, {0, kPoint, "0"},
        {98734, kPoint, "9.8734"}, {85000, kPoint, "8.5"}, {1, kPoint, "0.0001"},
        {-1, kPoint, "-0.0001"}, {-32500, kPoint, "-3.25"}, {-10000, kPoint, "-1"},
        {10010, kPoint, "1.001"}, {1230000, kPoint, "123"},
        {Limits::min(), kPoint, "-922337203685477.5808"},
        {Limits::max(), kPoint, "922337203685477.5807"},
        {99417, kComma, "9,9417"}, {-5, kComma, "-0,0005"}, {20000, kComma, "2"},
        {15000, arabic, "1\xd9\xab" "5"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(Currency::fromTicks(c.ticks).text(c.locale), c.expected) << c.ticks;
    }
}

TEST(Currency, TextReadsBackToTheSameTicks)
{
    std::mt19937_64 random(20240501);
    // up to 1e11, where a double still tells every ten-thousandth apart
    const std::int64_t limit = 1'000'000'000'000'000;
    std::uniform_int_distribution<std::int64_t> moderate(-limit, limit);
    std::uniform_int_distribution<std::int64_t> small(-100'000, 100'000);
    for (int i = 0; i < 2000; ++i) {
        const std::int64_t ticks = i % 2 ? moderate(random) : small(random);
        for (const NumberLocale* locale : {&kPoint, &kComma}) {
            const std::string text = Currency::fromTicks(ticks).text(*locale);
            EXPECT_EQ(Currency::fromDouble(parseStrict(text, *locale)).ticks(), ticks) << text;
        }
    }
}

} // namespace
} // namespace numeric
