#include "SpreadBand.h"

#include "app/spread/SpreadReport.h"
#include "app/texts/Fill.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"
#include "numerics/Rounding.h"

#include <algorithm>
#include <cmath>

bool BandFits(const SpreadResult& band, const SweepResult& result) {
    return result.Fault == nullptr && std::ranges::equal(band.Frequencies, result.Frequencies);
}

BandSeries BandOnGraph(const SpreadResult& band, bool logScale) {
    BandSeries series;
    const std::vector<FiveQuantiles>& values = logScale ? band.BandDecibels : band.BandRatio;
    for (size_t j = 0; j < band.Frequencies.size(); ++j) {
        series.Xs.push_back(logScale ? std::log10(band.Frequencies[j]) : band.Frequencies[j]);
        series.Min.push_back(values[j].Min);
        series.Low.push_back(values[j].Low);
        series.High.push_back(values[j].High);
        series.Max.push_back(values[j].Max);
    }
    return series;
}

std::string BandLegendLine(const SpreadResult& band) {
    return Fill(kBandLegend,
                {{"trials", std::to_string(band.Trials)}, {"noun", TrialsNoun(band.Mode)}});
}

namespace {

std::string Shown(double value) {
    return NumberToText(RoundSignificant(4, value));
}

} // namespace

std::string BandReadoutLine(const SpreadResult& band, double frequency, bool logScale) {
    const auto at = std::lower_bound(band.Frequencies.begin(), band.Frequencies.end(), frequency);
    if (at == band.Frequencies.end() || *at != frequency)
        return {};
    const auto j = static_cast<size_t>(at - band.Frequencies.begin());
    const FiveQuantiles& v = logScale ? band.BandDecibels[j] : band.BandRatio[j];
    const std::string values =
        Fill(band.Mode == SpreadMode::Corners ? kBandCornerEnds : kBandQuantiles,
             {{"min", Shown(v.Min)},
              {"low", Shown(v.Low)},
              {"median", Shown(v.Median)},
              {"high", Shown(v.High)},
              {"max", Shown(v.Max)}});
    return Fill(logScale ? kBandReadingDecibels : kBandReadingRatio, {{"values", values}});
}
