#include "KeptCurves.h"

#include "GraphReadout.h"
#include "GraphTexts.h"
#include "MainWindowTexts.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr const char* kSameAsCurrent = "как текущая";
constexpr const char* kNotDrawnInDecibels = " — не рисуется в дБ";
constexpr const char* kStartName = "fнач";
constexpr const char* kEndName = "fкон";
constexpr const char* kStepName = "шаг";
constexpr const char* kPointsPerDecadeName = "точек на декаду";
constexpr const char* kHertz = "Гц";

// "R4 = 150 кОм", the number as the grid writes it; no unit when there is none.
std::string Named(std::string_view name, double value, std::string_view unit) {
    std::string text = std::string(name) + " = " + NumberToText(value);
    if (!unit.empty())
        text.append(" ").append(unit);
    return text;
}

arDouble Head(const arDouble& series, int32_t rows) {
    return arDouble(series.begin(), series.begin() + rows);
}

} // namespace

bool KeptCurves::CanRemember(const CalcState& state) {
    return ComputedRows(state) >= 2;
}

void KeptCurves::Remember(const CalcState& state) {
    if (!CanRemember(state))
        return;
    const int32_t rows = ComputedRows(state);
    KeptCurve curve{state.Entered,
                    Head(state.Frequencies, rows),
                    Head(state.Ratio, rows),
                    Head(state.Decibels, rows),
                    {}};
    if (std::all_of(curve.Frequencies.begin(), curve.Frequencies.end(),
                    [](double f) { return f > 0; }))
        curve.LogFrequencies = Log10Series(curve.Frequencies, rows);
    if (curves_.size() < kMaxKeptCurves) {
        curves_.push_back(std::move(curve));
        return;
    }
    curves_[oldest_] = std::move(curve);
    oldest_ = (oldest_ + 1) % kMaxKeptCurves;
}

void KeptCurves::Forget() {
    curves_.clear();
    oldest_ = 0;
}

std::vector<std::string> Differences(const EnteredInput& kept, const EnteredInput& current) {
    std::vector<std::string> differences;
    for (size_t i = 0; i < kParameterNames.size(); ++i) {
        if (kept.Parameters[i] == current.Parameters[i])
            continue;
        const std::string_view entry = kParameterNames[i]; // "R4,кОм"
        const size_t comma = entry.find(',');
        differences.push_back(
            Named(entry.substr(0, comma), kept.Parameters[i], entry.substr(comma + 1)));
    }
    if (kept.fmin != current.fmin)
        differences.push_back(Named(kStartName, kept.fmin, kHertz));
    if (kept.fmax != current.fmax)
        differences.push_back(Named(kEndName, kept.fmax, kHertz));
    // The same number means another thing in a sweep of the other kind.
    if (kept.Sweep != current.Sweep || kept.df != current.df)
        differences.push_back(kept.Sweep == SweepKind::Decade
                                  ? Named(kPointsPerDecadeName, kept.df, "")
                                  : Named(kStepName, kept.df, kHertz));
    return differences;
}

namespace {

// The first `shown` differences, " и ещё N" for the rest; "как текущая" for none.
std::string Joined(const std::vector<std::string>& differences, size_t shown) {
    if (differences.empty())
        return kSameAsCurrent;
    std::string text;
    for (size_t i = 0; i < shown; ++i)
        text += (i > 0 ? ", " : "") + differences[i];
    if (shown < differences.size())
        text += kMoreDifferences + std::to_string(differences.size() - shown);
    return text;
}

std::string LegendLineOf(size_t number, const std::vector<std::string>& differences, size_t shown,
                         bool drawable) {
    return std::to_string(number) + ": " + Joined(differences, shown) +
           (drawable ? "" : kNotDrawnInDecibels);
}

} // namespace

std::string DifferenceText(const EnteredInput& kept, const EnteredInput& current) {
    const std::vector<std::string> differences = Differences(kept, current);
    return Joined(differences, differences.size());
}

std::string LegendLine(size_t number, const KeptCurve& curve, const EnteredInput& current,
                       bool logScale) {
    const std::vector<std::string> differences = Differences(curve.Input, current);
    return LegendLineOf(number, differences, differences.size(), curve.Drawable(logScale));
}

std::string LegendLine(size_t number, const KeptCurve& curve, const EnteredInput& current,
                       bool logScale, int32_t width, const TextWidth& measure) {
    const std::vector<std::string> differences = Differences(curve.Input, current);
    const bool drawable = curve.Drawable(logScale);
    std::string line;
    for (size_t shown = differences.size();; --shown) {
        line = LegendLineOf(number, differences, shown, drawable);
        if (measure(line) <= width || shown <= 1)
            break;
    }
    return CutToFit(line, width, measure);
}
