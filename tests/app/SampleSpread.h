#pragma once

#include "analysis/SpreadAnalysis.h"

#include <optional>
#include <vector>

// Tolerance analyses made up for the pictures' tests.

// A point's spread over 100 trials from `from` to `to`, 5 % and 95 % at `low` and `high`: a tenth
// of them in the first bin, a tenth in the last, the rest in bin 15.
inline PointSpread SampleSpread(double from, double to, double low, double high) {
    PointSpread s;
    s.Present = 100;
    s.Values = {from, low, (from + to) / 2, high, to};
    s.Bins = {from, to, std::vector<int64_t>(30, 0)};
    s.Bins.Counts[0] = 10;
    s.Bins.Counts[15] = 80;
    s.Bins.Counts[29] = 10;
    return s;
}

// Upper edges 1000 … 4000 Hz, 5 % and 95 % at 1100 and 3700; peaks 14 … 26 dB, 5 % and 95 % at
// 15 and 25; the nominal stage's edge and peak |k| as given.
inline SpreadResult SampleSpreadResult(std::optional<double> nominalEdge, double nominalPeakRatio) {
    SpreadResult r;
    r.Trials = 100;
    r.UpperEdge = SampleSpread(1000, 4000, 1100, 3700);
    r.PeakDecibels = SampleSpread(14, 26, 15, 25);
    r.NominalPoints.UpperEdge = nominalEdge;
    r.NominalPoints.Peak = {1000, nominalPeakRatio};
    return r;
}
