#include "app/spread/SpreadReport.h"

#include "app/texts/Fill.h"
#include "app/texts/SpreadTexts.h"
#include "numerics/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

std::string WithSeparator(std::string text, char separator) {
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

std::string Percent(double fraction) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f %%", 100 * fraction);
    return text;
}

} // namespace

std::string QuantileText(const PointSpread& spread, double FiveQuantiles::*quantile,
                         std::string (*number)(double), const char* above, const char* below) {
    const double value = spread.Values.*quantile;
    if (std::isinf(value))
        return Fill(value > 0 ? above : below, {{"bound", number(spread.Bounds.*quantile)}});
    return number(value);
}

std::string PointSpreadText(const PointSpread& spread, SpreadMode mode,
                            std::string (*number)(double), const char* above, const char* below) {
    if (spread.Trials == 0)
        return kNoEdge;
    const auto text = [&](double FiveQuantiles::*quantile) {
        return QuantileText(spread, quantile, number, above, below);
    };
    if (mode == SpreadMode::Corners)
        return text(&FiveQuantiles::Min) + " / " + text(&FiveQuantiles::Max);
    return text(&FiveQuantiles::Min) + " / " + text(&FiveQuantiles::Low) + " / " +
           text(&FiveQuantiles::Median) + " / " + text(&FiveQuantiles::High) + " / " +
           text(&FiveQuantiles::Max);
}

std::string BeyondSweepText(const char* sentence, const PointSpread& spread, SpreadMode mode,
                            std::string (*number)(double)) {
    if (spread.Beyond == 0)
        return {};
    return Fill(sentence, {{"count", std::to_string(spread.Beyond)},
                           {"trials", std::to_string(spread.Trials)},
                           {"noun", TrialsNoun(mode)},
                           {"end", number(spread.SweepEnd)}});
}

std::string ShortestText(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

void WriteSpreadCsv(const SpreadResult& r, std::ostream& out) {
    const char point = DecimalSeparator() == U',' ? ',' : '.';
    const char separator = point == ',' ? ';' : ',';
    const bool corners = r.Mode == SpreadMode::Corners;
    out << "\xEF\xBB\xBF" << kSpreadFrequencyHeading << separator << kSpreadNominalHeading
        << separator << kSpreadMinHeading;
    if (!corners)
        out << separator << kSpreadLowHeading << separator << kSpreadMedianHeading << separator
            << kSpreadHighHeading;
    out << separator << kSpreadMaxHeading << "\r\n";
    const auto field = [&](double value) {
        out << separator << WithSeparator(ShortestText(value), point);
    };
    for (size_t j = 0; j < r.Frequencies.size(); ++j) {
        const FiveQuantiles& b = r.BandDecibels[j];
        out << WithSeparator(ShortestText(r.Frequencies[j]), point);
        field(r.NominalDecibels[j]);
        field(b.Min);
        if (!corners) {
            field(b.Low);
            field(b.Median);
            field(b.High);
        }
        field(b.Max);
        out << "\r\n";
    }
}

std::string SpreadCsvText(const SpreadResult& result) {
    std::ostringstream out;
    WriteSpreadCsv(result, out);
    return std::move(out).str();
}

std::string SpreadSummary(const SpreadResult& r) {
    const bool corners = r.Mode == SpreadMode::Corners;
    std::string text = (corners ? "combinations = " : "trials = ") + std::to_string(r.Trials) +
                       "\nfailed = " + std::to_string(r.Failed) + "\n";
    if (r.Yield && corners)
        text += "yield = " + Percent(r.Yield->Value) + " (" + std::to_string(r.Yield->Met) + " / " +
                std::to_string(r.Yield->Of) + ")\n";
    else if (r.Yield)
        text += "yield = " + Percent(r.Yield->Value) + " [" + Percent(r.Yield->Low) + ", " +
                Percent(r.Yield->High) + "]\n";
    const auto point = [&](const char* key, const PointSpread& spread) {
        text += key + std::string(" = ") +
                PointSpreadText(spread, r.Mode, ShortestText, kSummaryAbove, kSummaryBelow) + "\n";
    };
    const auto beyond = [&](const char* key, const PointSpread& spread) {
        if (spread.Beyond > 0)
            text += key + std::string(" = ") + std::to_string(spread.Beyond) + "\n";
    };
    point("peak_db", r.PeakDecibels);
    point("lower_edge_hz", r.LowerEdge);
    beyond("lower_edge_below_sweep", r.LowerEdge);
    point("upper_edge_hz", r.UpperEdge);
    beyond("upper_edge_above_sweep", r.UpperEdge);
    point("bandwidth_hz", r.Bandwidth);
    // The parts ranked by influence, each with its sensitivity; those held at 0 % apart.
    std::string influence, sensitivity, held;
    for (const Sensitivity& s : r.Sensitivities) {
        const std::string name = kSpreadParameterNames[s.Parameter];
        const std::string of = std::string(" (") + SensitivityOfName(s) + ")";
        sensitivity +=
            (sensitivity.empty() ? "" : "; ") + name + " " + ShortestText(s.StrongestValue) + of;
        if (s.Held())
            held += (held.empty() ? "" : ", ") + name;
        else
            influence +=
                (influence.empty() ? "" : "; ") + name + " " + Percent(s.Influence() / 100) + of;
    }
    text += "influence = " + (influence.empty() ? std::string(kNoEdge) : influence) + "\n";
    text += "sensitivity = " + sensitivity + "\n";
    if (!held.empty())
        text += "held = " + held + "\n";
    return text;
}
