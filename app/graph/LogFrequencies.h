#pragma once

#include "numerics/Rounding.h"

#include <cstdint>
#include <span>

// log10 of the first `count` frequencies, the horizontal series of the decibel graph; a
// frequency of zero or below is a floating-point error.
std::vector<double> Log10Series(std::span<const double> frequencies, int32_t count);
