#pragma once

#include "analysis/SpreadSettings.h"
#include "calc/SweepResult.h"

#include <optional>

// What the tolerance analysis is asked of a stage the calculation has accepted and computed: its
// parameters as entered, its sweep and the settings, on `threads` workers (every core by default).
// The window and the command line ask alike.
SpreadInput SpreadRequest(const SweepResult& nominal, const SpreadSettings& settings,
                          std::optional<int> threads = std::nullopt);
