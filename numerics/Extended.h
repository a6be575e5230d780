#pragma once

#include <limits>

// The stage was designed around the x87 extended format: intermediate results are kept with a
// 64-bit mantissa and rounded to double only where a value is stored. Several displayed digits
// (rounding, axis ends) depend on it, so the build refuses a long double of any other width.
using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64,
              "long double must be the x87 80-bit extended format (64-bit mantissa)");
static_assert(std::numeric_limits<double>::is_iec559, "double must be IEEE 754 binary64");
