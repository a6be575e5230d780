#pragma once

#include "CharacteristicSearch.h"
#include "SpreadSettings.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

// How strongly each part moves the nominal stage's characteristic points, and how much of the
// spread its tolerance makes of that.

enum class SensitivityOf { Gain, LowerEdge, UpperEdge };

// At the nominal stage, for one parameter p: S = (∂|k|/|k|)/(∂p/p).
struct Sensitivity {
    int Parameter = 0;                             // 0 … 12, the parameter grid's order
    double Gain = 0;                               // of the peak's |k|
    std::optional<double> LowerGain;               // of |k| at the lower −3 dB edge's frequency
    std::optional<double> UpperGain;               // … at the upper one's
    std::optional<double> LowerEdge;               // (∂f/f)/(∂p/p) of the lower edge
    std::optional<double> UpperEdge;               // … of the upper edge
    SensitivityOf Strongest = SensitivityOf::Gain; // the largest in size of Gain and the edges
    double StrongestValue = 0;
    double Tolerance = 0; // %, the part's; 0: held at its nominal value

    // %, how far the part at an end of its tolerance moves that quantity, to first order: what
    // the part makes of the spread, where the sensitivity alone is only the nominal stage's.
    double Influence() const { return std::abs(StrongestValue) * Tolerance; }
    bool Held() const { return !(Tolerance > 0); }
};

// Of the nominal stage (units of entry) whose characteristic points are `points`, for every
// parameter with its tolerance (%), the greatest influence first, the parts held at 0 % after all
// others by the size of their sensitivity (ties in the grid's order). By central differences of
// ln|k| over ln p on the exact model at the points' fixed frequencies, p moved by a millionth each
// way; an edge moves as the level follows the peak: ∂ln f/∂ln p = −(S at the edge − S of the peak)
// / (∂ln|k|/∂ln f there). A parameter of 0, or one whose step faults, gets 0 throughout.

std::vector<Sensitivity> NominalSensitivities(const EnteredParameters& nominal, OpAmpPhase phase,
                                              const PeakAndEdges& points,
                                              const EnteredParameters& tolerances);
