#pragma once

#include "analysis/SpreadSettings.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

// The stage designed from its requirements: values of standard series for the parts chosen,
// found by hill climbing on the smallest margin to the requirements from many starts, each start
// a stream of its own, so the outcome does not depend on the number of threads.

// The ten parts in the parameter grid's order: R1 … R5, C1 … C5.
inline constexpr size_t kDesignParts = 10;

struct DesignRequest {
    EnteredParameters
        Start{}; // units of entry; a part not chosen keeps its value, as do k0, Rin, f1
    OpAmpPhase Phase = OpAmpPhase::Leading;
    std::vector<double> Frequencies; // Hz, the stage's sweep, ascending
    YieldLimits Requirements;        // at least one
    // The values each part may take, ascending, in units of entry; empty for a part not chosen.
    std::array<std::vector<double>, kDesignParts> Choices;
    int Starts = 48; // hill climbs, the first from the values nearest the stage's own
    uint64_t Seed = 1;
    int Threads = 1;
};

enum class Requirement { GainAtLeast, GainAtMost, LowerEdgeAtMost, UpperEdgeAtLeast };

// How a stage stands to its requirements: the smallest margin, in dB (the gain's distance inside
// its bounds, an edge's as 20·log10 of its frequency's ratio to its limit; ≥ 0 when it meets them
// all; −∞ where the stage cannot be calculated), and the requirement it is to.
struct RequirementCheck {
    double Margin = 0;
    Requirement Tightest = Requirement::GainAtLeast;
    double Found = 0, Limit = 0; // dB for the gain, Hz for an edge: the stage's and the limit
};
RequirementCheck CheckRequirements(const EnteredParameters& values, OpAmpPhase phase,
                                   const std::vector<double>& frequencies,
                                   const YieldLimits& requirements);

struct DesignCandidate {
    EnteredParameters Values{};
    double Margin = 0;      // as RequirementCheck's
    int DistinctValues = 0; // among the parts chosen
};

// Up to `keep` distinct candidates, best first: by margin, then by fewer distinct values. None
// once `cancel` is set. `climbsDone`, when given, counts the climbs ended, of request.Starts.
std::vector<DesignCandidate> SearchDesigns(const DesignRequest& request, size_t keep,
                                           const std::atomic<bool>& cancel,
                                           std::atomic<int64_t>* climbsDone = nullptr);
