#pragma once

#include "CommandLine.h"

#include <string>
#include <vector>

// "ou --design OUT FILE [--threads N]": "Подбор номиналов" without a window.

// The arguments from "--design" on.
CommandLine ParseDesignArguments(const std::vector<std::string>& arguments);

// FILE's stage, its requirements (the limits) and its design settings (the parts chosen, the
// series, the ranges): the candidates the search finds, ranked by the yield of the stages built
// from them (Monte Carlo with FILE's tolerances, at least 1000 trials), then by their nominal
// margin, then by fewer distinct values, go to standard output as key = value blocks. Exit 0
// with the best written into OUT as a stage file (FILE's keys, the chosen values) when it meets
// every requirement at its nominal values; 1 when none does, naming what the best misses (OUT
// not written); 2 as "ou --csv", and for a FILE without a requirement. The same FILE gives the
// same OUT for any --threads.
CommandLineOutcome DesignToStageFile(const CommandLine& command);
