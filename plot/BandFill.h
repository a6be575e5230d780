#pragma once

#include "plot/Chart.h"

// A band on the chart: the area between a lower and an upper series over the same abscissae,
// filled in the pen's colour by one vertical line a pixel column, on the axes DrawChart uses for
// the same curves. Drawn before DrawChart, it lies under the grid and the curves.
void FillBand(Series xs, Series lower, Series upper, const ChartAxis& x, const ChartAxis& y,
              Surface& surface);
