#pragma once

#include "analysis/DesignRanking.h"

#include <array>
#include <string>
#include <vector>

// What "Подбор номиналов" says, in the results box and on the command line.

// A frequency to three significant digits in the unit that keeps it between 1 and 1000, with
// `separator`: "41,2 кГц", "50 Гц", "1,5 МГц".
std::string FrequencyText(double hertz, char32_t separator);

// The requirement the check names, how far the stage stands from it: "верхняя граница 41,2 кГц,
// требуется не ниже 50 кГц".
std::string MissedRequirementText(const RequirementCheck& check, char32_t separator);

// The line above the candidates: how many, whether the best meets every requirement, and if not,
// what the best misses and by how much.
std::string DesignSummaryText(const std::vector<RankedDesign>& ranked, char32_t separator);

// One line per candidate, best first: its yield with the interval, its margin, peak and edges, its
// count of distinct values, then the ten values, those of the parts `chosen` marked.
std::vector<std::string> CandidateLines(const std::vector<RankedDesign>& ranked,
                                        const std::array<bool, kDesignParts>& chosen,
                                        char32_t separator);

// What "Копировать" puts on the clipboard: the summary, the legend and the lines.
std::string DesignListText(const std::vector<RankedDesign>& ranked,
                           const std::array<bool, kDesignParts>& chosen, char32_t separator);
