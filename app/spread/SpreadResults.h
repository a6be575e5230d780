#pragma once

#include "analysis/SpreadAnalysis.h"

#include <string>

// The results box of "Разброс…" as the user reads it (and copies it): the trials (or the corners'
// combinations) run and failed, the characteristic points' spread ("> 5000" for a quantile beyond
// the sweep, with the count of the trials beyond), the yield with its 95 % interval (the corners:
// a count, no interval), the parts ranked by influence, tolerance × sensitivity. Numbers in normal
// form with the user's separator.
std::string SpreadResultsText(const SpreadResult& result);
