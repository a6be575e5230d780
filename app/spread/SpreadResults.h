#pragma once

#include "analysis/SpreadAnalysis.h"

#include <string>

// The results box of "Разброс…" as the user reads it (and copies it): the trials run and failed,
// the characteristic points' spread, the yield with its 95 % interval, the sensitivities ranked.
// Numbers in normal form with the user's separator.
std::string SpreadResultsText(const SpreadResult& result);
