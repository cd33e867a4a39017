#include "numeric/checked_arithmetic.h"

#include "numeric/runtime_error.h"

#include <cmath>

namespace numeric {

double checkedStep(double result)
{
    if (!std::isfinite(result)) {
        throw RuntimeError(ErrorKind::Overflow);
    }
    return result;
}

double checkedAdd(double a, double b)
{
    return checkedStep(a + b);
}
double checkedSub(double a, double b)
{
    return checkedStep(a - b);
}
double checkedMul(double a, double b)
{
    return checkedStep(a * b);
}

double checkedDiv(double a, double b)
{
    if (b == 0.0) {
        // 0/0 has no value at all, so it is reported like any other invalid result.
        throw RuntimeError(a == 0.0 ? ErrorKind::Overflow : ErrorKind::DivisionByZero);
    }
    return checkedStep(a / b);
}

double checkedPow(double base, double exponent)
{
    return checkedStep(std::pow(base, exponent));
}

} // namespace numeric
