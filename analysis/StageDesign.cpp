#include "StageDesign.h"

#include "analysis/CharacteristicSearch.h"
#include "analysis/TrialStage.h"
#include "analysis/Workers.h"
#include "numerics/FloatError.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace {

constexpr double kUnreachable = -std::numeric_limits<double>::infinity();

double Decibels(double ratio) {
    return 20 * std::log10(ratio);
}

// The frequencies and their angular ones, formed once for every candidate.
struct Sweep {
    explicit Sweep(const std::vector<double>& frequencies)
        : f(frequencies), omega(frequencies.size()), ratio(frequencies.size()) {
        AngularFrequencies(f.data(), f.size(), omega.data());
    }
    const std::vector<double>& f;
    std::vector<double> omega;
    std::vector<double> ratio; // the candidate's |k|, overwritten by each
};

RequirementCheck Check(const EnteredParameters& values, OpAmpPhase phase, Sweep& sweep,
                       const YieldLimits& r) {
    RequirementCheck check{std::numeric_limits<double>::infinity()};
    const auto against = [&](double margin, Requirement requirement, double found, double limit) {
        if (margin < check.Margin)
            check = {margin, requirement, found, limit};
    };
    try {
        const StageParameters stage = ConvertEntered(values, phase);
        const FastStage fast(stage);
        const size_t n = sweep.f.size();
        ClearFloatFlags();
        if (!FastGains(fast, sweep.f.data(), sweep.omega.data(), n, sweep.ratio.data(), true) ||
            FloatFlagRaised()) {
            ClearFloatFlags();
            return {kUnreachable};
        }
        if (r.MinDb || r.MaxDb) {
            double low = std::numeric_limits<double>::infinity(), high = 0;
            for (size_t j = 0; j < n; ++j)
                if (!(r.From && sweep.f[j] < *r.From) && !(r.To && sweep.f[j] > *r.To)) {
                    low = std::min(low, sweep.ratio[j]);
                    high = std::max(high, sweep.ratio[j]);
                }
            if (high > 0 && r.MinDb)
                against(Decibels(low) - *r.MinDb, Requirement::GainAtLeast, Decibels(low),
                        *r.MinDb);
            if (high > 0 && r.MaxDb)
                against(*r.MaxDb - Decibels(high), Requirement::GainAtMost, Decibels(high),
                        *r.MaxDb);
        }
        if (r.LowerEdgeAt || r.UpperEdgeAt) {
            const auto rows = static_cast<int32_t>(n);
            const PeakAndEdges points = FindPeakAndEdges(
                rows, [&](int32_t i) { return sweep.f[static_cast<size_t>(i)]; },
                [&](int32_t i) { return sweep.ratio[static_cast<size_t>(i)]; },
                [&](double f) { return FastGain(fast, f); });
            // An edge beyond the sweep lies beyond its end, and meets a limit within the sweep.
            if (r.LowerEdgeAt) {
                const double edge = points.LowerEdge.value_or(sweep.f.front());
                against(Decibels(*r.LowerEdgeAt / edge), Requirement::LowerEdgeAtMost, edge,
                        *r.LowerEdgeAt);
            }
            if (r.UpperEdgeAt) {
                const double edge = points.UpperEdge.value_or(sweep.f.back());
                against(Decibels(edge / *r.UpperEdgeAt), Requirement::UpperEdgeAtLeast, edge,
                        *r.UpperEdgeAt);
            }
        }
        ClearFloatFlags();
        if (std::isnan(check.Margin))
            return {kUnreachable};
        return check;
    } catch (const FloatingPointError&) {
        ClearFloatFlags();
        return {kUnreachable};
    }
}

int DistinctValues(const DesignRequest& request, const EnteredParameters& values) {
    std::set<double> distinct;
    for (size_t part = 0; part < kDesignParts; ++part)
        if (!request.Choices[part].empty())
            distinct.insert(values[part]);
    return static_cast<int>(distinct.size());
}

// One hill climb: each part chosen in turn moves to the value, a few steps of its series away,
// that raises the smallest margin most, until no move raises it.
class Climb {
  public:
    Climb(const DesignRequest& request, Sweep& sweep, const std::atomic<bool>& cancel)
        : request_(request), sweep_(sweep), cancel_(cancel) {}

    DesignCandidate From(std::array<size_t, kDesignParts> at) {
        EnteredParameters values = request_.Start;
        const auto place = [&] {
            for (size_t part = 0; part < kDesignParts; ++part)
                if (!request_.Choices[part].empty())
                    values[part] = request_.Choices[part][at[part]];
        };
        place();
        double best = Evaluate(values);
        // A cancel stops the climb after the pass over the parts it is in.
        for (bool moved = true; moved && !cancel_;) {
            moved = false;
            for (size_t part = 0; part < kDesignParts; ++part) {
                const std::vector<double>& choices = request_.Choices[part];
                if (choices.empty())
                    continue;
                size_t bestIndex = at[part];
                for (const long step : {-8L, -4L, -2L, -1L, 1L, 2L, 4L, 8L}) {
                    const long index = static_cast<long>(at[part]) + step;
                    if (index < 0 || index >= static_cast<long>(choices.size()))
                        continue;
                    values[part] = choices[static_cast<size_t>(index)];
                    if (const double margin = Evaluate(values); margin > best) {
                        best = margin;
                        bestIndex = static_cast<size_t>(index);
                    }
                }
                moved = moved || bestIndex != at[part];
                at[part] = bestIndex;
                values[part] = choices[bestIndex];
            }
        }
        return {values, best, DistinctValues(request_, values)};
    }

  private:
    double Evaluate(const EnteredParameters& values) {
        return Check(values, request_.Phase, sweep_, request_.Requirements).Margin;
    }

    const DesignRequest& request_;
    Sweep& sweep_;
    const std::atomic<bool>& cancel_;
};

// The start of climb `index`: the values nearest the stage's own first, then drawn evenly over
// each part's choices from the climb's own stream.
std::array<size_t, kDesignParts> StartOf(const DesignRequest& request, int index) {
    std::array<size_t, kDesignParts> at{};
    for (size_t part = 0; part < kDesignParts; ++part) {
        const std::vector<double>& choices = request.Choices[part];
        if (choices.empty())
            continue;
        if (index == 0) {
            const double own = request.Start[part];
            const auto nearest = std::ranges::min_element(choices, [&](double a, double b) {
                return std::abs(std::log(a / own)) < std::abs(std::log(b / own));
            });
            at[part] = own > 0 ? static_cast<size_t>(nearest - choices.begin()) : 0;
        } else {
            const uint64_t word = StreamWord(request.Seed, static_cast<uint64_t>(index),
                                             static_cast<uint32_t>(part), 0);
            at[part] = static_cast<size_t>(word % choices.size());
        }
    }
    return at;
}

bool Better(const DesignCandidate& a, const DesignCandidate& b) {
    if (a.Margin != b.Margin)
        return a.Margin > b.Margin;
    if (a.DistinctValues != b.DistinctValues)
        return a.DistinctValues < b.DistinctValues;
    return a.Values < b.Values;
}

} // namespace

RequirementCheck CheckRequirements(const EnteredParameters& values, OpAmpPhase phase,
                                   const std::vector<double>& frequencies,
                                   const YieldLimits& requirements) {
    Sweep sweep(frequencies);
    return Check(values, phase, sweep, requirements);
}

std::vector<DesignCandidate> SearchDesigns(const DesignRequest& request, size_t keep,
                                           const std::atomic<bool>& cancel,
                                           std::atomic<int64_t>* climbsDone) {
    std::vector<DesignCandidate> found(static_cast<size_t>(request.Starts));
    RunChunks(request.Threads, request.Starts, 1, cancel, [&](int, int64_t begin, int64_t end) {
        Sweep sweep(request.Frequencies);
        Climb climb(request, sweep, cancel);
        for (int64_t i = begin; i < end; ++i) {
            found[static_cast<size_t>(i)] = climb.From(StartOf(request, static_cast<int>(i)));
            if (climbsDone != nullptr)
                climbsDone->fetch_add(1, std::memory_order_relaxed);
        }
    });
    if (cancel)
        return {};
    // Each climb's end in the order of the climbs, so the threads' timing decides nothing.
    std::ranges::sort(found, Better);
    std::vector<DesignCandidate> best;
    for (const DesignCandidate& candidate : found)
        if (best.size() < keep && candidate.Margin > kUnreachable &&
            std::ranges::none_of(
                best, [&](const DesignCandidate& b) { return b.Values == candidate.Values; }))
            best.push_back(candidate);
    return best;
}
