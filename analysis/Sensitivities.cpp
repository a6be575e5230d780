#include "Sensitivities.h"

#include "TrialStage.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kStep = 1E-6; // relative

double LogGain(const StageParameters& stage, double f) {
    return std::log(ComplexAbs(StageGain(f, stage)));
}

Sensitivity OfParameter(const EnteredParameters& nominal, OpAmpPhase phase,
                        const PeakAndEdges& points, int i) {
    Sensitivity s;
    s.Parameter = i;
    const auto at = static_cast<size_t>(i);
    if (nominal[at] == 0)
        return s;
    EnteredParameters up = nominal, down = nominal;
    up[at] *= 1 + kStep;
    down[at] *= 1 - kStep;
    try {
        const StageParameters stage = ConvertEntered(nominal, phase);
        const StageParameters upper = ConvertEntered(up, phase);
        const StageParameters lower = ConvertEntered(down, phase);
        const double span = std::log(up[at] / down[at]);
        const auto of = [&](double f) { return (LogGain(upper, f) - LogGain(lower, f)) / span; };
        s.Gain = of(points.Peak.frequency);
        const auto edge = [&](double f, std::optional<double>& gain, std::optional<double>& moved) {
            gain = of(f);
            const double slope =
                (LogGain(stage, f * (1 + kStep)) - LogGain(stage, f * (1 - kStep))) /
                std::log((1 + kStep) / (1 - kStep));
            moved = -(*gain - s.Gain) / slope;
        };
        if (points.LowerEdge)
            edge(*points.LowerEdge, s.LowerGain, s.LowerEdge);
        if (points.UpperEdge)
            edge(*points.UpperEdge, s.UpperGain, s.UpperEdge);
    } catch (const FloatingPointError&) {
        return Sensitivity{i, 0, {}, {}, {}, {}, SensitivityOf::Gain, 0};
    }
    s.StrongestValue = s.Gain;
    for (const auto& [value, of] : {std::pair{s.LowerEdge, SensitivityOf::LowerEdge},
                                    std::pair{s.UpperEdge, SensitivityOf::UpperEdge}})
        if (value && std::abs(*value) > std::abs(s.StrongestValue)) {
            s.StrongestValue = *value;
            s.Strongest = of;
        }
    return s;
}

} // namespace

std::vector<Sensitivity> NominalSensitivities(const EnteredParameters& nominal, OpAmpPhase phase,
                                              const PeakAndEdges& points,
                                              const EnteredParameters& tolerances) {
    std::vector<Sensitivity> all;
    for (int i = 0; i < kSpreadParameters; ++i) {
        all.push_back(OfParameter(nominal, phase, points, i));
        all.back().Tolerance = tolerances[static_cast<size_t>(i)];
    }
    std::stable_sort(all.begin(), all.end(), [](const Sensitivity& a, const Sensitivity& b) {
        if (a.Held() != b.Held())
            return b.Held();
        if (a.Influence() != b.Influence())
            return a.Influence() > b.Influence();
        return std::abs(a.StrongestValue) > std::abs(b.StrongestValue);
    });
    return all;
}
