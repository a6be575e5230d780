#pragma once

#include "CharacteristicSearch.h"
#include "OrderStatistics.h"
#include "Sensitivities.h"
#include "SpreadSettings.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The tolerance analysis: what the stages built from parts within their tolerances will do.
// Trials run on worker threads in plain double arithmetic (TrialStage.h); every statistic is an
// exact order statistic or a count, so the result is the same bit for bit for any number of
// threads. Memory stays bounded whatever trials × frequencies: the band is formed over blocks of
// frequencies, each trial's parameters drawn again from its stream for every block.

// A characteristic quantity over the trials that did not fail. A −3 dB edge with no crossing
// between the peak and an end of the sweep is known only to lie beyond that end: above the
// sweep's last frequency for the upper edge, below its first for the lower; the bandwidth from
// such an edge is known only to exceed what the sweep shows of it. Such a value is ordered
// beyond every known one, so a quantile that falls among them is itself known only to lie beyond
// a bound.
struct PointSpread {
    int64_t Trials = 0;     // the trials it is taken over
    FiveQuantiles Values{}; // +∞ (−∞ for the lower edge) where a quantile lies beyond its bound
    Histogram Bins;         // of the known values; no bins when every value lies beyond the sweep
    int64_t Beyond = 0;     // trials whose value lies beyond the sweep
    FiveQuantiles Bounds{}; // the bound each infinite quantile of Values lies beyond
    double SweepEnd = 0;    // Hz, the end of the sweep an edge beyond it lies beyond
};

struct SpreadResult {
    SpreadMode Mode = SpreadMode::MonteCarlo;
    int64_t Trials = 0; // run: N, or 2^m corners
    int64_t Failed = 0; // left out: a floating-point fault anywhere in their calculation

    std::vector<double> Frequencies;         // Hz, the sweep
    std::vector<double> NominalRatio;        // |k| of the nominal stage, exact as the calculation's
    std::vector<double> NominalDecibels;     // 20·log10 of it, as the result table's dB column
    std::vector<FiveQuantiles> BandRatio;    // per frequency, over the trials that did not fail
    std::vector<FiveQuantiles> BandDecibels; // the same in dB

    PeakAndEdges NominalPoints;
    PointSpread PeakDecibels, PeakFrequency, LowerEdge, UpperEdge, Bandwidth;

    std::vector<Sensitivity> Sensitivities; // the greatest influence first, the parts held last
    std::optional<Share> Yield;             // with limits: the trials meeting all of them
};

// Why the settings or the sweep cannot be run, with the values the words need (app/texts says
// them).
enum class SpreadProblem {
    None,
    ToleranceOutOfRange, // Index: the parameter; Value: its tolerance
    TrialsOutOfRange,    // Value: the trials
    LimitNotPositive,    // Index: the frequency limit (kSpreadFrequencyLimits); Value: it
    LimitRangeReversed,
    LimitGainReversed,
    NoSweep,
    TooManyTrialGains,
    LimitBelowSweep,  // Index, Value as LimitNotPositive; SweepEnd: the sweep's first frequency
    LimitAboveSweep,  // … its last
    EveryTrialFailed, // Value: the trials (or combinations), all left out
};
struct SpreadRefusal {
    SpreadProblem Problem = SpreadProblem::None;
    size_t Index = 0;
    double Value = 0;
    double SweepEnd = 0;                      // Hz
    SpreadMode Mode = SpreadMode::MonteCarlo; // for EveryTrialFailed: trials or combinations
    explicit operator bool() const { return Problem != SpreadProblem::None; }
    bool operator==(const SpreadRefusal&) const = default;
};

// The limits that are frequencies, in the order they are checked and named.
inline constexpr std::optional<double> YieldLimits::*kSpreadFrequencyLimits[] = {
    &YieldLimits::From, &YieldLimits::To, &YieldLimits::LowerEdgeAt, &YieldLimits::UpperEdgeAt};

struct SpreadOutcome {
    std::shared_ptr<const SpreadResult> Result; // null when refused or cancelled
    SpreadRefusal Refusal;                      // why not
    bool Cancelled = false;
};

// Why the settings cannot be run whatever the sweep (a tolerance out of range, trials beyond
// 1 … 100000, a frequency limit not above 0, limits reversed); none when they can.
SpreadRefusal CheckSpreadSettings(const SpreadSettings& settings);
// The same, and what the sweep decides: trials × frequencies beyond 10^9, or a frequency limit (an
// edge's, or the ends of the gain's range) outside the sweep, which cannot judge it: "нижняя
// граница не выше 100 Гц: ниже начала диапазона 1000 Гц". The dialog and "ou --spread" both ask
// it before any trial.
SpreadRefusal CheckSpread(const SpreadInput& input);

// Runs the analysis of a nominal stage the calculation accepts (a fault in the nominal stage
// itself raises FloatingPointError before any trial). Refused when CheckSpread refuses or every
// trial fails; cancelled when token.Cancel is set on the way.
SpreadOutcome RunSpread(const SpreadInput& input, CancelToken& token);
