#pragma once

#include <vector>

// Every sweep and result series. Growing it keeps the elements and fills the new ones with 0.0.
using arDouble = std::vector<double>;

// Trims x to about `digits` significant digits for display: `digits` or one more, depending on
// how the decimal logarithm of |x| rounds. Zero stays zero; values of 10^digits and above (more
// precisely, whose logarithm rounds to digits or more) become whole numbers.
double RoundSignificant(unsigned digits, double x);
