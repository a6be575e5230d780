#pragma once

#include "CharacteristicSearch.h"
#include "SpreadSettings.h"

#include <optional>
#include <string>
#include <vector>

// How strongly each part moves the nominal stage's characteristic points.

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
};

// Of the nominal stage (units of entry) whose characteristic points are `points`, for every
// parameter, strongest first (ties in the grid's order). By central differences of ln|k| over
// ln p on the exact model at the points' fixed frequencies, p moved by a millionth each way; an
// edge moves as the level follows the peak: ∂ln f/∂ln p = −(S at the edge − S of the peak) /
// (∂ln|k|/∂ln f there). A parameter of 0, or one whose step faults, gets 0 throughout.
std::vector<Sensitivity> NominalSensitivities(const EnteredParameters& nominal,
                                              const PeakAndEdges& points);

// The parameter's name and what it moves most: "C3 (верхняя граница)".
std::string SensitivityName(const Sensitivity& sensitivity);
// The first `count` of the ranked sensitivities as the results box reads them:
// "сильнее всего влияет: C3 (верхняя граница), R4 (усиление), C1 (нижняя граница)".
std::string StrongestText(const std::vector<Sensitivity>& ranked, size_t count = 3);
