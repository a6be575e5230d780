#include "SpreadResults.h"

#include "analysis/SpreadReport.h"
#include "analysis/SpreadTexts.h"
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
    std::string text = (corners ? kCornersTrialsPrefix : kMonteCarloTrialsPrefix) +
                       std::to_string(r.Trials) + "\n";
    if (r.Failed > 0)
        text += FailedTrialsText(r.Failed, r.Trials) + kOverTheRest + "\n";
    text += std::string(corners ? kCornersColumns : kMonteCarloColumns) + "\n";
    text += kPeakLine + PointSpreadText(r.PeakDecibels, r.Mode, Shown) + "\n";
    text += kPeakFrequencyLine + PointSpreadText(r.PeakFrequency, r.Mode, Shown) + "\n";
    text += kLowerEdgeLine + PointSpreadText(r.LowerEdge, r.Mode, Shown) + "\n";
    text += kUpperEdgeLine + PointSpreadText(r.UpperEdge, r.Mode, Shown) + "\n";
    text += kBandwidthLine + PointSpreadText(r.Bandwidth, r.Mode, Shown) + "\n";
    if (r.Yield)
        text += kYieldLine + Percent(r.Yield->Value) + " [" + Percent(r.Yield->Low) + "; " +
                Percent(r.Yield->High) + "]\n";
    text += StrongestText(r.Sensitivities) + "\n" + kSensitivitiesLine + "\n";
    for (const Sensitivity& s : r.Sensitivities) {
        const std::string name = SensitivityName(s);
        const size_t blank = name.find(' ');
        text += "  " + name.substr(0, blank) + " " +
                NumberToText(RoundSignificant(3, s.StrongestValue)) + name.substr(blank) + "\n";
    }
    return text;
}
