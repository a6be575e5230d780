#include "SpreadReport.h"

#include "SpreadTexts.h"
#include "numerics/NumberText.h"

#include <charconv>
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

std::string PointSpreadText(const PointSpread& spread, SpreadMode mode,
                            std::string (*number)(double)) {
    if (spread.Present == 0)
        return kNoEdge;
    const Spread5& v = spread.Values;
    if (mode == SpreadMode::Corners)
        return number(v.Min) + " / " + number(v.Max);
    return number(v.Min) + " / " + number(v.Low) + " / " + number(v.Median) + " / " +
           number(v.High) + " / " + number(v.Max);
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
        const Spread5& b = r.BandDecibels[j];
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
    std::string text =
        "trials = " + std::to_string(r.Trials) + "\nfailed = " + std::to_string(r.Failed) + "\n";
    if (r.Yield)
        text += "yield = " + Percent(r.Yield->Value) + " [" + Percent(r.Yield->Low) + ", " +
                Percent(r.Yield->High) + "]\n";
    text += "peak_db = " + PointSpreadText(r.PeakDecibels, r.Mode, ShortestText) + "\n";
    text += "lower_edge_hz = " + PointSpreadText(r.LowerEdge, r.Mode, ShortestText) + "\n";
    text += "upper_edge_hz = " + PointSpreadText(r.UpperEdge, r.Mode, ShortestText) + "\n";
    text += "bandwidth_hz = " + PointSpreadText(r.Bandwidth, r.Mode, ShortestText) + "\n";
    text += "sensitivity = ";
    for (size_t i = 0; i < r.Sensitivities.size(); ++i) {
        const Sensitivity& s = r.Sensitivities[i];
        const std::string name = SensitivityName(s);
        const size_t blank = name.find(' ');
        text += (i > 0 ? "; " : "") + name.substr(0, blank) + " " + ShortestText(s.StrongestValue) +
                name.substr(blank);
    }
    return text + "\n";
}
