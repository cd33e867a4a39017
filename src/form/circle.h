#pragma once
// What the volume formulas share: circle areas from diameters.

#include "numeric/checked_arithmetic.h"

namespace form {

// Pi as the ratio and the gasket volume take it; the capacity takes a longer one.
inline constexpr double kPi = 3.141;
inline constexpr double kCapacityPi = 3.1415927;

// (diameter / 2)^2, each step checked.
inline double halfSquared(double diameter)
{
    return numeric::checkedPow(numeric::checkedDiv(diameter, 2), 2);
}

} // namespace form
