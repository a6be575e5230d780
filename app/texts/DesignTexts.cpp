#include "DesignTexts.h"

#include "app/settings/AnalysisSettings.h"
#include "app/texts/Fill.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <charconv>
#include <cmath>

namespace {

// `value` rounded to `digits` significant digits, as printf's %g rounds, whatever the locale.
double Rounded(int digits, double value) {
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits);
    double rounded = value;
    std::from_chars(text, written.ptr, rounded, std::chars_format::general);
    return rounded;
}

std::string Significant(int digits, double value, char32_t separator) {
    return NumberToText(Rounded(digits, value), separator);
}

std::string Percent(double fraction, char32_t separator) {
    return NumberToText(std::round(fraction * 1000) / 10, separator);
}

} // namespace

std::string FrequencyText(double hertz, char32_t separator) {
    // Rounded first, so 999.96 Hz reads "1 кГц", not "1000 Гц".
    const double rounded = Rounded(3, hertz);
    if (std::abs(rounded) >= 1e6)
        return Fill(kFrequencyInMegahertz, {{"value", Significant(3, rounded / 1e6, separator)}});
    if (std::abs(rounded) >= 1e3)
        return Fill(kFrequencyInKilohertz, {{"value", Significant(3, rounded / 1e3, separator)}});
    return Fill(kFrequencyInHertz, {{"value", Significant(3, rounded, separator)}});
}

std::string MissedRequirementText(const RequirementCheck& check, char32_t separator) {
    const bool gain =
        check.Tightest == Requirement::GainAtLeast || check.Tightest == Requirement::GainAtMost;
    const auto quoted = [&](double value) {
        return gain ? Significant(3, value, separator) : FrequencyText(value, separator);
    };
    const char* texts[] = {kGainBelowRequired, kGainAboveRequired, kLowerEdgeAboveRequired,
                           kUpperEdgeBelowRequired};
    return Fill(texts[static_cast<size_t>(check.Tightest)],
                {{"found", quoted(check.Found)}, {"limit", quoted(check.Limit)}});
}

std::string DesignSummaryText(const std::vector<RankedDesign>& ranked, char32_t separator) {
    if (ranked.empty())
        return kDesignNoCandidate;
    if (ranked.front().Meets())
        return Fill(kDesignBestMeets, {{"count", std::to_string(ranked.size())}});
    return Fill(kDesignNoneMeetsInBox,
                {{"requirement", MissedRequirementText(ranked.front().Check, separator)}});
}

std::vector<std::string> CandidateLines(const std::vector<RankedDesign>& ranked,
                                        const std::array<bool, kDesignParts>& chosen,
                                        char32_t separator) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < ranked.size(); ++i) {
        const RankedDesign& r = ranked[i];
        std::string values;
        for (size_t part = 0; part < kDesignParts; ++part)
            values +=
                (part == 0 ? "" : " ") +
                Fill(kDesignValue, {{"part", kParameterKeys[part]},
                                    {"value", NumberToText(r.Candidate.Values[part], separator)},
                                    {"chosen", chosen[part] ? kChosenMark : ""}});
        const auto edge = [&](const std::optional<double>& at) {
            return at ? FrequencyText(*at, separator) : std::string(kEdgeOutOfRange);
        };
        // A candidate whose trials could not be calculated has no points to show.
        const bool known = r.Nominal.has_value();
        lines.push_back(
            Fill(kDesignCandidateLine,
                 {{"number", std::to_string(i + 1)},
                  {"mark", r.Meets() ? "" : kDesignMissesMark},
                  {"yield", Percent(r.Yield.Value, separator)},
                  {"low", Percent(r.Yield.Low, separator)},
                  {"high", Percent(r.Yield.High, separator)},
                  {"margin", Significant(3, r.Candidate.Margin, separator)},
                  {"peak", known ? Significant(4, 20 * std::log10(r.Nominal->Peak.ratio), separator)
                                 : kNotCalculated},
                  {"peakAt",
                   known ? FrequencyText(r.Nominal->Peak.frequency, separator) : kNotCalculated},
                  {"lower", known ? edge(r.Nominal->LowerEdge) : kNotCalculated},
                  {"upper", known ? edge(r.Nominal->UpperEdge) : kNotCalculated},
                  {"distinct", std::to_string(r.Candidate.DistinctValues)},
                  {"values", values}}));
    }
    return lines;
}

std::string DesignListText(const std::vector<RankedDesign>& ranked,
                           const std::array<bool, kDesignParts>& chosen, char32_t separator) {
    std::string text = DesignSummaryText(ranked, separator) + "\n" + kDesignListLegend + "\n";
    for (const std::string& line : CandidateLines(ranked, chosen, separator))
        text += line + "\n";
    return text;
}
