#pragma once

#include "analysis/StandardSeries.h"
#include "numerics/StageModel.h"

#include <array>
#include <atomic>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What a tolerance analysis is asked: the stage as entered, the sweep, and how its parts vary.

// The thirteen parameters in the parameter grid's order and units of entry: R1 … R5 in kΩ, C1 µF,
// C2 pF, C3 µF, C4, C5 pF, k0 as a ratio, Rin MΩ, f1 MHz.
inline constexpr int kSpreadParameters = 13;
using EnteredParameters = std::array<double, kSpreadParameters>;

enum class Distribution {
    Uniform, // evenly over ±t
    Normal,  // t = 3σ, cut at ±t
};

enum class SpreadMode {
    MonteCarlo, // random trials
    Corners,    // every combination of the ends −t, +t of the parameters with t > 0
};

// The designer's limits; the yield is the share of trials meeting all that are given.
struct YieldLimits {
    std::optional<double> From, To; // Hz: the gain limits hold over the sweep's frequencies
                                    // in [From, To] (the whole sweep where not given)
    std::optional<double> MinDb;    // dB, the gain at least this over that range
    std::optional<double> MaxDb;    // dB, at most this
    // Each frequency above 0 and within the sweep (CheckSpread): an edge beyond the sweep then lies
    // beyond the limit too, and meets it.
    std::optional<double> LowerEdgeAt; // Hz, the lower −3 dB edge at most this
    std::optional<double> UpperEdgeAt; // Hz, the upper −3 dB edge at least this

    bool Any() const { return MinDb || MaxDb || LowerEdgeAt || UpperEdgeAt; }
    bool operator==(const YieldLimits&) const = default;
};

// Resistors 1 %, capacitors 10 %, k0 50 %, Rin 20 %, f1 50 %.
inline constexpr EnteredParameters kDefaultTolerances = {1,  1,  1,  1,  1,  10, 10,
                                                         10, 10, 10, 50, 20, 50};
inline constexpr int32_t kDefaultTrials = 1000;
inline constexpr int32_t kMaxTrials = 100'000;
// Trials × frequencies beyond this are refused: hours of arithmetic, surely a mistyped count.
inline constexpr int64_t kMaxTrialGains = 1'000'000'000;

// What "Подбор номиналов" may change: which of R1 … R5, C1 … C5 (the parameter grid's first
// ten), the series of their values and each part's range in its unit of entry.
struct DesignSettings {
    std::array<bool, 10> Chosen = {true, true, true, true, true, true, true, true, true, true};
    StandardSeries ResistorSeries = StandardSeries::E24;  // E12, E24, E48 or E96
    StandardSeries CapacitorSeries = StandardSeries::E12; // E6, E12 or E24
    // Resistors 0.1 … 1000 kΩ; C1, C3 0.001 … 1000 µF; C2, C4, C5 1 … 1,000,000 pF.
    std::array<std::pair<double, double>, 10> Ranges = {{{0.1, 1000},
                                                         {0.1, 1000},
                                                         {0.1, 1000},
                                                         {0.1, 1000},
                                                         {0.1, 1000},
                                                         {0.001, 1000},
                                                         {1, 1e6},
                                                         {0.001, 1000},
                                                         {1, 1e6},
                                                         {1, 1e6}}};

    bool operator==(const DesignSettings&) const = default;
};

struct SpreadSettings {
    EnteredParameters Tolerances = kDefaultTolerances; // %, each 0 ≤ t < 100; 0 keeps it fixed
    Distribution Shape = Distribution::Uniform;
    int32_t Trials = kDefaultTrials; // Monte Carlo only; corners make 2^m
    uint64_t Seed = 1;
    SpreadMode Mode = SpreadMode::MonteCarlo;
    YieldLimits Limits; // the stage's requirements, the design's too
    DesignSettings Design;

    bool operator==(const SpreadSettings&) const = default;
};

// A count or seed as typed (the stage file, the command line): the whole text a whole number
// in [low, high], or nothing.
template <class Integer>
std::optional<Integer> WholeNumberIn(std::string_view text, Integer low, Integer high) {
    Integer value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

struct SpreadInput {
    EnteredParameters Nominal{}; // a stage the calculation accepts
    OpAmpPhase Phase = OpAmpPhase::Leading;
    std::vector<double> Frequencies; // Hz, the sweep as the calculation formed it, ascending
    SpreadSettings Settings;
    int Threads = 1; // workers, the calling thread among them
    // The most the band's block of trials × frequencies may take, in bytes: with the per-trial
    // values and the workers' buffers, 100000 trials stay far under what a 32-bit program can
    // address. A smaller block costs more passes over the trials, never other results.
    size_t BandMemory = size_t{96} << 20;
};

// Between a run and whoever waits for it (a cancel button, a progress bar): the request to stop,
// and the progress the workers write; read and set from any thread.
struct CancelToken {
    std::atomic<bool> Cancel{false}; // set to stop; the analysis ends within milliseconds
    std::atomic<int64_t> Done{0};    // units of work done, of Total
    std::atomic<int64_t> Total{1};
};
