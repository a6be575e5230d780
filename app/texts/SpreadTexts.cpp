#include "SpreadTexts.h"

#include "app/texts/Fill.h"
#include "numerics/NumberText.h"

#include <algorithm>

std::string SpreadRefusalText(const SpreadRefusal& r) {
    const auto limit = [&] { return std::string(kFrequencyLimitNames[r.Index]); };
    switch (r.Problem) {
    case SpreadProblem::None:
        return {};
    case SpreadProblem::ToleranceOutOfRange:
        return Fill(kToleranceOutOfRange, {{"parameter", kSpreadParameterNames[r.Index]},
                                           {"value", NumberToText(r.Value)}});
    case SpreadProblem::TrialsOutOfRange:
        return Fill(kTrialsOutOfRange, {{"value", std::to_string(static_cast<int64_t>(r.Value))}});
    case SpreadProblem::LimitNotPositive:
        return Fill(kLimitNotPositive, {{"limit", limit()}, {"value", NumberToText(r.Value)}});
    case SpreadProblem::LimitRangeReversed:
        return kLimitRangeReversed;
    case SpreadProblem::LimitGainReversed:
        return kLimitGainReversed;
    case SpreadProblem::NoSweep:
        return kNoSweep;
    case SpreadProblem::TooManyTrialGains:
        return kTooManyTrialGains;
    case SpreadProblem::LimitBelowSweep:
        return Fill(kLimitBelowSweep, {{"limit", limit()},
                                       {"value", NumberToText(r.Value)},
                                       {"end", NumberToText(r.SweepEnd)}});
    case SpreadProblem::LimitAboveSweep:
        return Fill(kLimitAboveSweep, {{"limit", limit()},
                                       {"value", NumberToText(r.Value)},
                                       {"end", NumberToText(r.SweepEnd)}});
    case SpreadProblem::EveryTrialFailed: {
        const auto trials = static_cast<int64_t>(r.Value);
        return FailedTrialsText(trials, trials, r.Mode);
    }
    }
    return {};
}

const char* TrialsNoun(SpreadMode mode) {
    return mode == SpreadMode::Corners ? kCombinationsNoun : kTrialsNoun;
}

std::string FailedTrialsText(int64_t failed, int64_t trials, SpreadMode mode) {
    return Fill(kFailedTrials, {{"count", std::to_string(failed)},
                                {"trials", std::to_string(trials)},
                                {"noun", TrialsNoun(mode)}});
}

const char* SensitivityOfName(const Sensitivity& s) {
    return s.Strongest == SensitivityOf::Gain        ? kSensitivityOfGain
           : s.Strongest == SensitivityOf::LowerEdge ? kSensitivityOfLowerEdge
                                                     : kSensitivityOfUpperEdge;
}

std::string SensitivityName(const Sensitivity& s) {
    return std::string(kSpreadParameterNames[s.Parameter]) + " (" + SensitivityOfName(s) + ")";
}

std::string StrongestText(const std::vector<Sensitivity>& ranked, size_t count) {
    std::string names;
    for (size_t i = 0; i < std::min(count, ranked.size()); ++i)
        if (ranked[i].Influence() > 0)
            names += (names.empty() ? "" : ", ") + SensitivityName(ranked[i]);
    return names.empty() ? kNothingVaries : kStrongestPrefix + names;
}
