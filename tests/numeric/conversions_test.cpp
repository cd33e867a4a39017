#include "numeric/conversions.h"
#include "numeric/runtime_error.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>
#include <string>

namespace numeric {
namespace {

template <typename F> std::optional<ErrorKind> errorOf(F&& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.kind();
    }
    return std::nullopt;
}

const NumberLocale kPoint{".", ","};
const NumberLocale kComma{",", "."};

TEST(ParseLenient, ReadsTheLeadingNumber)
{
    struct Case {
        std::string text;
        double expected;
    };
    // clang-format off
    const Case cases[] = {
        {"5.5 in", 5.5}, {"-12.3", -12.3}, {"1e2", 100}, {"64cc", 64}, {"9,2", 9},
        {"3,5", 3}, {"+3", 3}, {"00012", 12}, {".5", 0.5}, {"-.5", -0.5}, {"3.", 3},
        {"1.2.3", 1.2}, {"0.1", 0.1}, {"2.5e-3", 0.0025},
        // blanks, tabs and line feeds vanish anywhere
        {"1 2", 12}, {"- 5", -5}, {" \t\n7", 7}, {"1 . 5 e 2", 150}, {"1\n2", 12},
        // exponents: D as well as E, and a letter without digits is ignored
        {"1D2", 100}, {"1d-2", 0.01}, {"2E+3x", 2000}, {"1e", 1}, {"1e+", 1}, {"1e-x5", 1},
        {"1ee2", 1}, {"1e5.5", 1e5}, {"7e00", 7}, {"7e-0", 7},
        // hexadecimal and octal
        {"&H10", 16}, {"&h1f", 31}, {"&HFF", 255}, {"&O17", 15}, {"&o8", 0}, {"&O 1 7", 15},
        {"&HabcDEF", 11259375}, {"&O1234567", 342391}, {"&O10", 8}, {"&H1G", 1}, {"&HG", 0},
        {"&", 0}, {"&X1", 0}, {"-&H10", 0}, {"&H0000000000000000000000000012", 18},
        {"&H20000000000001", 9007199254740992.0}, {"&H20000000000003", 9007199254740996.0},
        {"&O400000000000000001", 9007199254740992.0},
        // no number at all
        {"abc", 0}, {".", 0}, {"", 0}, {"   ", 0}, {"-", 0}, {"+-5", 0}, {"e5", 0},
        {",5", 0}, {"\r5", 0}, {"\v5", 0}, {"\xc2\xa0" "5", 0},
        // arbitrary bytes and broken UTF-8
        {"\xff\xfe" "5", 0}, {"7\xff", 7}, {std::string("4\0" "2", 3), 4}, {"\xe2\x82", 0},
        // correctly rounded, including the classic hard cases
        {"9007199254740993", 9007199254740992.0},
        {"2.2250738585072011e-308", 2.2250738585072011e-308},
        {"1.7976931348623157e308", DBL_MAX}, {"4.9406564584124654E-324", 4.9406564584124654e-324},
        {"1e-320", 1e-320}, {"0.000" + std::string(300, '0') + "1e305", 10},
        // underflow is not an error
        {"1E-400", 0}, {"-1e-99999999999999999999999", 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(parseLenient(c.text, kPoint), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseLenient, UnderACommaLocaleTheFirstCommaOrPointIsTheDecimalPoint)
{
    struct Case {
        std::string text;
        double expected;
    };
    const NumberLocale arabic{"\xd9\xab", "\xd9\xac"};
    // clang-format off
    const Case cases[] = {
        {"64,5", 64.5}, {"64.5", 64.5}, {"9,2cc", 9.2}, {"1,5,2", 1.5}, {",5", 0.5}, {"1.5,2", 1.5},
        {"1,5.2", 1.5}, {"1 , 5", 1.5}, {"-,5e1", -5}, {"4,030", 4.03}, {"1.000,5", 1}, {"&H1,8", 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(parseLenient(c.text, kComma), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(parseLenient("9,2", kPoint), 9);
    EXPECT_EQ(parseLenient("1\xd9\xab"
                           "5",
                           arabic),
              1.5);
    EXPECT_EQ(parseLenient("1.5", arabic), 1.5);
}

TEST(ParseLenient, AnyOtherByteEndsTheNumber)
{
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (std::string_view(" \t\n.0123456789eEdD").find(c) != std::string_view::npos) {
            continue;
        }
        const std::string text = std::string("1") + c + "2";
        EXPECT_EQ(parseLenient(text, kPoint), 1.0) << "byte " << b;
    }
}

TEST(ParseLenient, OverflowIsTheOnlyFailure)
{
    const std::string cases[] = {
        "1E+400",
        "-1e400",
        "1D309",
        "1.7976931348623159e308",
        "1" + std::string(400, '0'),
        "0." + std::string(10, '0') + "1e99999999999999999999999",
        "&H1" + std::string(300, '0'),
        "&O1" + std::string(400, '0'),
    };
    for (const auto& text : cases) {
        EXPECT_EQ(errorOf([&] { parseLenient(text, kPoint); }), ErrorKind::Overflow) << text;
    }
}

TEST(ParseLenient, LongTextInLinearTime)
{
    // A quadratic reader would take minutes on these.
    const std::size_t n = 1'000'000;
    EXPECT_EQ(parseLenient(std::string(n, ' ') + "5", kPoint), 5);
    EXPECT_EQ(parseLenient("0." + std::string(n, '0') + "1e1000001", kPoint), 1);
    EXPECT_EQ(parseLenient("1" + std::string(n, '0') + "e-1000000", kPoint), 1);
    EXPECT_EQ(parseLenient(std::string(n, '7') + "e-1000000", kPoint), 7.0 / 9.0);
    std::string spaced;
    for (std::size_t i = 0; i < n / 2; ++i) {
        spaced += "0 ";
    }
    EXPECT_EQ(parseLenient(spaced + "3", kPoint), 3);
}

TEST(ParseStrict, AcceptsOneWholeNumber)
{
    struct Case {
        std::string text;
        const NumberLocale& locale;
        double expected;
    };
    const NumberLocale arabic{"\xd9\xab", "\xd9\xac"};
    // clang-format off
    const Case cases[] = {
        {" 3.5 ", kPoint, 3.5}, {"\t-2e3\t", kPoint, -2000}, {"+4", kPoint, 4}, {"3.", kPoint, 3},
        {".5", kPoint, 0.5}, {"0.1", kPoint, 0.1}, {"1.5E+15", kPoint, 1.5e15},
        {"1E-05", kPoint, 1e-5}, {"-0.333333333333333", kPoint, -0.333333333333333},
        {"4,03", kComma, 4.03}, {"1,5E+15", kComma, 1.5e15}, {" ,5e1 ", kComma, 5},
        {"1\xd9\xab" "5", arabic, 1.5}, {"1e-400", kPoint, 0}, {"007", kPoint, 7},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(parseStrict(c.text, c.locale), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseStrict, RejectsEverythingElse)
{
    struct Case {
        std::string text;
        const NumberLocale& locale;
        ErrorKind expected;
    };
    const NumberLocale arabic{"\xd9\xab", "\xd9\xac"};
    // clang-format off
    const Case cases[] = {
        {"4,030", kPoint, ErrorKind::TypeMismatch}, {"4.03", kComma, ErrorKind::TypeMismatch},
        {"3,5", kPoint, ErrorKind::TypeMismatch}, {"1.000,5", kComma, ErrorKind::TypeMismatch},
        {"abc", kPoint, ErrorKind::TypeMismatch}, {"", kPoint, ErrorKind::TypeMismatch},
        {" \t ", kPoint, ErrorKind::TypeMismatch}, {".", kPoint, ErrorKind::TypeMismatch},
        {"-", kPoint, ErrorKind::TypeMismatch}, {"-.e1", kPoint, ErrorKind::TypeMismatch},
        {"1e", kPoint, ErrorKind::TypeMismatch}, {"1e+", kPoint, ErrorKind::TypeMismatch},
        {"1 2", kPoint, ErrorKind::TypeMismatch}, {"- 5", kPoint, ErrorKind::TypeMismatch},
        {"1e 2", kPoint, ErrorKind::TypeMismatch}, {"\n5", kPoint, ErrorKind::TypeMismatch},
        {"5\n", kPoint, ErrorKind::TypeMismatch}, {"5x", kPoint, ErrorKind::TypeMismatch},
        {"&H10", kPoint, ErrorKind::TypeMismatch}, {"1D2", kPoint, ErrorKind::TypeMismatch},
        {"1.2.3", kPoint, ErrorKind::TypeMismatch}, {"0x10", kPoint, ErrorKind::TypeMismatch},
        {"inf", kPoint, ErrorKind::TypeMismatch}, {"nan", kPoint, ErrorKind::TypeMismatch},
        {"++1", kPoint, ErrorKind::TypeMismatch}, {"1e--1", kPoint, ErrorKind::TypeMismatch},
        {"1\xd9", arabic, ErrorKind::TypeMismatch}, {"1.5", arabic, ErrorKind::TypeMismatch},
        {std::string("1\0", 2), kPoint, ErrorKind::TypeMismatch},
        {"1e400", kPoint, ErrorKind::Overflow}, {"-1E+309", kPoint, ErrorKind::Overflow},
        {"1" + std::string(400, '0'), kComma, ErrorKind::Overflow},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { parseStrict(c.text, c.locale); }), c.expected) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace numeric
