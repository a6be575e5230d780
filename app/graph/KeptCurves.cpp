#include "KeptCurves.h"

#include "app/graph/GraphReadout.h"
#include "app/graph/LogFrequencies.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <string_view>

namespace {

// "R4 = 150 кОм", the number as the grid writes it; no unit when there is none.
std::string Named(std::string_view name, const std::optional<double>& value,
                  std::string_view unit) {
    std::string text = std::string(name) + " = " + NumberToText(value.value_or(0));
    if (!unit.empty())
        text.append(" ").append(unit);
    return text;
}

} // namespace

bool KeptCurves::CanRemember(const SweepResult& result) {
    return result.Computed >= 2;
}

void KeptCurves::Remember(const SharedResult& result) {
    if (!CanRemember(*result))
        return;
    KeptCurve curve{result,
                    result->ComputedFrequencies(),
                    result->ComputedRatio(),
                    result->ComputedDecibels(),
                    {}};
    if (std::all_of(curve.Frequencies.begin(), curve.Frequencies.end(),
                    [](double f) { return f > 0; }))
        curve.LogFrequencies = Log10Series(curve.Frequencies, result->Computed);
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

std::vector<std::string> Differences(const Stage& kept, const Stage& current) {
    std::vector<std::string> differences;
    for (size_t i = 0; i < kParameterNames.size(); ++i) {
        if (kept.Parameters[i] == current.Parameters[i])
            continue;
        const std::string_view entry = kParameterNames[i]; // "R4,кОм"
        const size_t comma = entry.find(',');
        differences.push_back(
            Named(entry.substr(0, comma), kept.Parameters[i], entry.substr(comma + 1)));
    }
    const auto& [from, to, step] = kept.SweepFields;
    if (from != current.SweepFields[0])
        differences.push_back(Named(kStartName, from, kHertz));
    if (to != current.SweepFields[1])
        differences.push_back(Named(kEndName, to, kHertz));
    // The same number means another thing in a sweep of the other kind.
    if (kept.Sweep != current.Sweep || step != current.SweepFields[2])
        differences.push_back(kept.Sweep == SweepKind::Decade
                                  ? Named(kPointsPerDecadeName, step, "")
                                  : Named(kStepName, step, kHertz));
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

std::string DifferenceText(const Stage& kept, const Stage& current) {
    const std::vector<std::string> differences = Differences(kept, current);
    return Joined(differences, differences.size());
}

std::string LegendLine(size_t number, const KeptCurve& curve, const Stage& current, bool logScale) {
    const std::vector<std::string> differences = Differences(curve.Result->Entered, current);
    return LegendLineOf(number, differences, differences.size(), curve.Drawable(logScale));
}

std::string LegendLine(size_t number, const KeptCurve& curve, const Stage& current, bool logScale,
                       int32_t width, const TextWidth& measure) {
    const std::vector<std::string> differences = Differences(curve.Result->Entered, current);
    const bool drawable = curve.Drawable(logScale);
    std::string line;
    for (size_t shown = differences.size();; --shown) {
        line = LegendLineOf(number, differences, shown, drawable);
        if (measure(line) <= width || shown <= 1)
            break;
    }
    return CutToFit(line, width, measure);
}
