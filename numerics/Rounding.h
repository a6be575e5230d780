#pragma once

#include <vector>

// Trims x to about `digits` significant digits for display: `digits` or one more, depending on
// how the decimal logarithm of |x| rounds. Zero stays zero; values of 10^digits and above (more
// precisely, whose logarithm rounds to digits or more) become whole numbers.
double RoundSignificant(unsigned digits, double x);
