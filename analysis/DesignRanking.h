#pragma once

#include "analysis/SpreadAnalysis.h"
#include "analysis/StageDesign.h"

#include <optional>
#include <vector>

// The search's candidates ranked as the one who builds the stage needs them: by how many of the
// stages built from real parts will meet the requirements, then by the margin of the candidate's
// own values, then by fewer distinct values to buy.

inline constexpr size_t kDesignCandidates = 10;
inline constexpr int32_t kLeastDesignTrials = 1000;

struct RankedDesign {
    DesignCandidate Candidate;
    // Of the stages built: Monte Carlo with the stage's tolerances, at least kLeastDesignTrials;
    // nothing met when their trials cannot be calculated.
    Share Yield;
    std::optional<PeakAndEdges> Nominal; // the candidate's own peak and −3 dB edges
    RequirementCheck Check;              // the requirement its own values come closest to missing

    bool Meets() const { return Candidate.Margin >= 0; }
};

struct DesignOutcome {
    std::vector<RankedDesign> Ranked; // best first
    bool Cancelled = false;
};

// The search, then the yield of each candidate it keeps (up to kDesignCandidates), on
// request.Threads threads. `tolerances` is the stage's analysis as "Разброс…" would run it (its
// nominal values are replaced by each candidate's). Progress goes to token.Done of
// token.Total; token.Cancel stops it within one climb's pass or one candidate's trials.
DesignOutcome RankDesigns(const DesignRequest& request, const SpreadInput& tolerances,
                          CancelToken& token);
