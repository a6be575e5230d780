#pragma once

#include "analysis/SpreadAnalysis.h"

#include <optional>
#include <vector>

// A made-up analysis of 100 trials for the pictures' tests. Each point's values span its range
// with a tenth in the first bin, a tenth in the last and the rest in bin 15: upper edges
// 1000 … 4000 Hz (5 % and 95 % at 1100 and 3700), peaks 14 … 26 dB (at 15 and 25).
inline PointSpread SampleSpread(double from, double to, double low, double high) {
    PointSpread s{
        100, {from, low, (from + to) / 2, high, to}, {from, to, std::vector<int64_t>(30)}};
    s.Bins.Counts[0] = s.Bins.Counts[29] = 10;
    s.Bins.Counts[15] = 80;
    return s;
}
inline SpreadResult SampleSpreadResult(std::optional<double> nominalEdge, double nominalPeakRatio) {
    SpreadResult r;
    r.UpperEdge = SampleSpread(1000, 4000, 1100, 3700);
    r.PeakDecibels = SampleSpread(14, 26, 15, 25);
    r.NominalPoints.UpperEdge = nominalEdge;
    r.NominalPoints.Peak = {1000, nominalPeakRatio};
    return r;
}
