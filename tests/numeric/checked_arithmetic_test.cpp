#include "numeric/checked_arithmetic.h"
#include "numeric/runtime_error.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <optional>
#include <string>

namespace numeric {
namespace {

TEST(RuntimeError, NamesItsKind)
{
    struct Case {
        ErrorKind kind;
        std::string detail;
        const char* what;
    };
    // clang-format off
    const Case cases[] = {
        {ErrorKind::TypeMismatch, "", "Type mismatch"},
        {ErrorKind::Overflow, "", "Overflow"},
        {ErrorKind::DivisionByZero, "", "Division by zero"},
        {ErrorKind::DivisionByZero, "", "Division by zero"},
        {ErrorKind::DivisionByZero, "no clearance", "Division by zero: no clearance"},
        {ErrorKind::Overflow, "bore", "Overflow: bore"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const RuntimeError error(c.kind, c.detail);
        EXPECT_EQ(error.kind(), c.kind);
        EXPECT_EQ(error.detail(), c.detail);
        EXPECT_STREQ(error.what(), c.what);
        if (c.detail.empty()) {
            EXPECT_STREQ(describe(c.kind).source, c.what);
        }
    }
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(CheckedArithmetic, PassesFiniteResultsAndReportsTheRest)
{
    using Op = double (*)(double, double);
    struct Case {
        const char* name;
        Op op;
        double a, b;
        std::optional<double> result; // empty when an error is expected
        ErrorKind error = ErrorKind::Overflow;
    };
    const Op step = [](double a, double) { return checkedStep(a); };
    // clang-format off
    const Case cases[] = {
        {"step", step, 2.5, 0, 2.5}, {"step", step, -0.0, 0, 0.0}, {"step", step, kInf, 0, {}},
        {"step", step, -kInf, 0, {}}, {"step", step, kNaN, 0, {}},
        {"add", checkedAdd, 1, 2, 3}, {"add", checkedAdd, DBL_MAX, DBL_MAX, {}},
        {"add", checkedAdd, kInf, 1, {}}, {"sub", checkedSub, 1, 3, -2},
        {"sub", checkedSub, -DBL_MAX, DBL_MAX, {}}, {"sub", checkedSub, kInf, kInf, {}},
        {"mul", checkedMul, 1.5, -4, -6}, {"mul", checkedMul, 1e200, 1e200, {}},
        {"mul", checkedMul, 1e-200, 1e-200, 0.0},
        {"div", checkedDiv, 6, 3, 2}, {"div", checkedDiv, 1, 0, {}, ErrorKind::DivisionByZero},
        {"div", checkedDiv, -1, 0, {}, ErrorKind::DivisionByZero},
        {"div", checkedDiv, 1, -0.0, {}, ErrorKind::DivisionByZero},
        {"div", checkedDiv, 0, 0, {}, ErrorKind::Overflow},
        {"div", checkedDiv, -0.0, 0, {}, ErrorKind::Overflow},
        {"div", checkedDiv, 1e300, 1e-300, {}}, {"div", checkedDiv, kNaN, 1, {}},
        {"pow", checkedPow, 2, 10, 1024}, {"pow", checkedPow, 2, -2, 0.25},
        {"pow", checkedPow, -8, 0.5, {}}, {"pow", checkedPow, 10, 400, {}},
        {"pow", checkedPow, 0, -1, {}}, {"pow", checkedPow, 0, 0, 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::optional<double> result;
        std::optional<ErrorKind> error;
        try {
            result = c.op(c.a, c.b);
        } catch (const RuntimeError& e) {
            error = e.kind();
        }
        const std::string label = std::string(c.name) + " " + std::to_string(c.a) + " " + std::to_string(c.b);
        EXPECT_EQ(result, c.result) << label;
        EXPECT_EQ(error, c.result ? std::nullopt : std::optional(c.error)) << label;
    }
}

} // namespace
} // namespace numeric
