#pragma once

#include "calc/Calculation.h"

#include <variant>

// The typical stage (R4 in kΩ as given), swept from 1 Hz to 1 MHz in 1 Hz steps: a million
// frequencies.
inline Stage MillionPointStage(double r4 = 99) {
    Stage stage;
    stage.Parameters = {100, 1000, 1, r4, 1000, 10, 1, 100, 1, 1, 100000, 10, 1};
    stage.SweepFields = {1, 1000000, 1};
    return stage;
}

// The result of a stage the check accepts.
inline SharedResult Calculated(const Stage& stage) {
    return ComputeSweep(std::get<CheckedStage>(CheckStage(stage)));
}
