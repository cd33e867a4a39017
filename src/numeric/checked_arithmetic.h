#pragma once
// Arithmetic that fails the way the user is told about, instead of carrying
// infinities or NaNs into a displayed result.

namespace numeric {

// Passes a finished result on, or raises Overflow when it is not a finite
// number (it overflowed, or an invalid operation made a NaN).
double checkedStep(double result);

double checkedAdd(double a, double b);
double checkedSub(double a, double b);
double checkedMul(double a, double b);
// Non-zero by zero is DivisionByZero; zero by zero is Overflow.
double checkedDiv(double a, double b);
double checkedPow(double base, double exponent);

} // namespace numeric
