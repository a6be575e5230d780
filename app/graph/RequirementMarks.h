#pragma once

#include "analysis/SpreadSettings.h"
#include "plot/Chart.h"
#include "plot/Surface.h"

// The stage's requirements on the graph, drawn under the grid and the curves: the gain's bounds
// as shaded regions outside them over their range of frequencies (the sweep's ends where the
// range has none), each edge limit as a dashed vertical line with its label at the chart's top.
// In dB over log10(f) when `logScale`, else as ratios over f, on the axes the chart draws with;
// `sweepFrom` and `sweepTo` are the first and last frequencies drawn, in Hz.
inline constexpr Rgb kRequirementShade{250, 222, 222};
inline constexpr Rgb kRequirementColor{176, 32, 32};

void DrawRequirements(const YieldLimits& requirements, bool logScale, double sweepFrom,
                      double sweepTo, const ChartAxis& x, const ChartAxis& y, Surface& surface);
