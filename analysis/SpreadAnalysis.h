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

// A characteristic quantity over the trials that did not fail.
struct PointSpread {
    int64_t Present = 0; // trials that have it: an edge may lie beyond the sweep
    Spread5 Values{};    // over those; meaningless when Present is 0
    Histogram Bins;
};

struct SpreadResult {
    SpreadMode Mode = SpreadMode::MonteCarlo;
    int64_t Trials = 0; // run: N, or 2^m corners
    int64_t Failed = 0; // left out: a floating-point fault anywhere in their calculation

    std::vector<double> Frequencies;     // Hz, the sweep
    std::vector<double> NominalRatio;    // |k| of the nominal stage, exact as the calculation's
    std::vector<double> NominalDecibels; // 20·log10 of it, as the result table's dB column
    std::vector<Spread5> BandRatio;      // per frequency, over the trials that did not fail
    std::vector<Spread5> BandDecibels;   // the same in dB

    PeakAndEdges NominalPoints;
    PointSpread PeakDecibels, PeakFrequency, LowerEdge, UpperEdge, Bandwidth;

    std::vector<Sensitivity> Sensitivities; // strongest first
    std::optional<Share> Yield;             // with limits: the trials meeting all of them
};

struct SpreadOutcome {
    std::shared_ptr<const SpreadResult> Result; // null when refused or cancelled
    std::string Refusal;                        // why not, in Russian
    bool Cancelled = false;
};

// Why the settings cannot be run (a tolerance out of range, trials beyond 1 … 100000 or
// trials × frequencies beyond 10^9, limits reversed); empty when they can.
std::string CheckSpread(const SpreadInput& input);

// Runs the analysis of a nominal stage the calculation accepts (a fault in the nominal stage
// itself raises FloatingPointError before any trial). Refused when CheckSpread refuses or every
// trial fails; cancelled when control.Cancel is set on the way.
SpreadOutcome RunSpread(const SpreadInput& input, SpreadControl& control);

// "в 3 из 10000 испытаний расчет невозможен".
std::string FailedTrialsText(int64_t failed, int64_t trials);
