#include "Rounding.h"

#include "CheckedArithmetic.h"

#include <cmath>

double RoundSignificant(unsigned digits, double x) {
    // Zero has no leading digit; NaN and the infinities have no digits to trim.
    if (x == 0 || !std::isfinite(x))
        return x;
    // The position of the leading digit, rounded (not truncated): this is what makes the count
    // five or six digits.
    const Extended c = RoundHalfEven(Log10(Abs(Extended(x))));
    if (c < static_cast<Extended>(digits)) {
        const auto d = static_cast<int32_t>(c) - static_cast<int32_t>(digits);
        const double factor = Store(PowerOfTen<Extended>(d));
        // Below about 1E-319 the factor itself underflows to zero: such a value has fewer
        // significant digits than asked for already.
        if (factor == 0)
            return x;
        return Store(RoundHalfEven(x / Extended(factor)) * factor);
    }
    return Store(RoundHalfEven(Extended(x)));
}
