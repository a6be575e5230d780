#include "SpreadResults.h"

#include "app/spread/SpreadReport.h"
#include "app/texts/Fill.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"
#include "numerics/Rounding.h"

#include <cmath>

namespace {

// Four significant digits (or five, as the display rounds): enough to read a spread of a few per
// cent.
std::string Shown(double value) {
    return NumberToText(RoundSignificant(4, value));
}

// "30,12 %": two decimals, as the summary gives them, with the user's separator.
std::string Percent(double fraction) {
    const double hundredths = static_cast<double>(std::llround(10000 * fraction));
    return NumberToText(hundredths / 100) + " %";
}

} // namespace

std::string SpreadResultsText(const SpreadResult& r) {
    const bool corners = r.Mode == SpreadMode::Corners;
    std::string text = Fill(corners ? kCornersHeading : kMonteCarloHeading,
                            {{"trials", std::to_string(r.Trials)}}) +
                       "\n";
    if (r.Failed > 0)
        text += FailedTrialsText(r.Failed, r.Trials, r.Mode) + kOverTheRest + "\n";
    text += std::string(corners ? kCornersColumns : kMonteCarloColumns) + "\n";
    const auto line = [&](const char* name, const PointSpread& spread) {
        text += name + PointSpreadText(spread, r.Mode, Shown) + "\n";
    };
    const auto beyond = [&](const char* sentence, const PointSpread& spread) {
        if (spread.Beyond > 0)
            text += BeyondSweepText(sentence, spread, r.Mode, Shown) + "\n";
    };
    line(kPeakLine, r.PeakDecibels);
    line(kPeakFrequencyLine, r.PeakFrequency);
    line(kLowerEdgeLine, r.LowerEdge);
    beyond(kLowerEdgeBelowSweep, r.LowerEdge);
    line(kUpperEdgeLine, r.UpperEdge);
    beyond(kUpperEdgeAboveSweep, r.UpperEdge);
    line(kBandwidthLine, r.Bandwidth);
    if (r.Yield && corners)
        text += Fill(kCornersYield, {{"met", std::to_string(r.Yield->Met)},
                                     {"of", std::to_string(r.Yield->Of)},
                                     {"percent", Percent(r.Yield->Value)}}) +
                "\n";
    else if (r.Yield)
        text += kYieldLine + Percent(r.Yield->Value) + " [" + Percent(r.Yield->Low) + "; " +
                Percent(r.Yield->High) + "]\n";
    text += StrongestText(r.Sensitivities) + "\n" + kSensitivitiesLine + "\n";
    for (const Sensitivity& s : r.Sensitivities) {
        const std::string name = kSpreadParameterNames[s.Parameter];
        const std::string sensitivity = NumberToText(RoundSignificant(3, s.StrongestValue));
        text += (s.Held() ? Fill(kHeldPartLine, {{"part", name},
                                                 {"sensitivity", sensitivity},
                                                 {"quantity", SensitivityOfName(s)}})
                          : Fill(kInfluenceLine,
                                 {{"part", name},
                                  {"quantity", SensitivityOfName(s)},
                                  {"influence", NumberToText(RoundSignificant(3, s.Influence()))},
                                  {"tolerance", NumberToText(s.Tolerance)},
                                  {"sensitivity", sensitivity}})) +
                "\n";
    }
    return text;
}
