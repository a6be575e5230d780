#pragma once

#include "CommandLine.h"

#include <string>
#include <vector>

// "ou --spread OUT FILE [--threads N] [--trials N] [--seed S]": the tolerance analysis of FILE's
// stage without a window.

// The arguments from "--spread" on.
CommandLine ParseSpreadArguments(const std::vector<std::string>& arguments);

// Runs with the analysis's settings FILE keeps, --trials and --seed overriding them. Refuses the
// stage as "ou --csv" does (exit 1 for what the calculation refuses or a
// floating-point error, 2 for a file not read or not written), then runs the analysis on every
// core and writes the band's CSV into OUT and the summary to standard output; with OUT "-" the
// CSV to standard output and the summary to standard error. OUT is left untouched unless the
// exit is 0, and is never FILE itself.
CommandLineOutcome SpreadToCsv(const CommandLine& command);
