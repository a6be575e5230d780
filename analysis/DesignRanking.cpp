#include "DesignRanking.h"

#include <algorithm>
#include <exception>

namespace {

// A candidate's yield counts as this many climbs of the progress.
constexpr int64_t kYieldWork = 2;

void TryCandidate(RankedDesign& ranked, const SpreadInput& tolerances,
                  const DesignRequest& request) {
    SpreadInput input = tolerances;
    input.Nominal = ranked.Candidate.Values;
    input.Settings.Mode = SpreadMode::MonteCarlo;
    input.Settings.Trials = std::max(input.Settings.Trials, kLeastDesignTrials);
    CancelToken own;
    try {
        const SpreadOutcome outcome = RunSpread(input, own);
        if (outcome.Result) {
            ranked.Nominal = outcome.Result->NominalPoints;
            if (outcome.Result->Yield)
                ranked.Yield = *outcome.Result->Yield;
        }
    } catch (const std::exception&) {
        // A candidate whose trials cannot be calculated yields nothing.
    }
    ranked.Check = CheckRequirements(ranked.Candidate.Values, request.Phase, request.Frequencies,
                                     request.Requirements);
}

} // namespace

DesignOutcome RankDesigns(const DesignRequest& request, const SpreadInput& tolerances,
                          CancelToken& token) {
    token.Total = request.Starts + static_cast<int64_t>(kDesignCandidates) * kYieldWork;
    token.Done = 0;
    std::vector<RankedDesign> ranked;
    for (const DesignCandidate& candidate :
         SearchDesigns(request, kDesignCandidates, token.Cancel, &token.Done))
        ranked.push_back({candidate, {}, {}, {}});
    for (RankedDesign& r : ranked) {
        if (token.Cancel)
            break;
        TryCandidate(r, tolerances, request);
        token.Done.fetch_add(kYieldWork, std::memory_order_relaxed);
    }
    if (token.Cancel)
        return {{}, true};
    // The search's order breaks what ties remain.
    std::ranges::stable_sort(ranked, [](const RankedDesign& a, const RankedDesign& b) {
        if (a.Yield.Value != b.Yield.Value)
            return a.Yield.Value > b.Yield.Value;
        if (a.Candidate.Margin != b.Candidate.Margin)
            return a.Candidate.Margin > b.Candidate.Margin;
        return a.Candidate.DistinctValues < b.Candidate.DistinctValues;
    });
    token.Done = token.Total.load();
    return {std::move(ranked), false};
}
