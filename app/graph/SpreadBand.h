#pragma once

#include "analysis/SpreadAnalysis.h"
#include "calc/SweepResult.h"
#include "numerics/Rounding.h"
#include "plot/Surface.h"

#include <string>

// The tolerance analysis's band as the graph draws it, under the nominal curve: min … max light,
// 5 % … 95 % darker (corners have only min and max).

inline constexpr Rgb kBandOuterColor{214, 236, 214};
inline constexpr Rgb kBandInnerColor{164, 210, 164};
// Its legend line: darker, to be read on the window's grey.
inline constexpr Rgb kBandLegendColor{64, 136, 64};

// Whether the band was formed over the result's sweep, every row of which was computed: only then
// does it lie under that curve.
bool BandFits(const SpreadResult& band, const SweepResult& result);

// The band's series on the graph's axes: log10 f and dB in the log mode, f and |k| otherwise.
struct BandSeries {
    std::vector<double> Xs, Min, Low, High, Max;
};
BandSeries BandOnGraph(const SpreadResult& band, bool logScale);

// "разброс: 1000 испытаний".
std::string BandLegendLine(const SpreadResult& band);

// The readout's line of the band at a frequency of its sweep, in the graph's mode: "разброс:
// 1,2 / 1,5 / 2 / 2,5 / 3" (min / 5 % / median / 95 % / max; corners: min / max), in dB in the
// log mode. Empty at a frequency the band does not have.
std::string BandReadoutLine(const SpreadResult& band, double frequency, bool logScale);
