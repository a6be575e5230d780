#pragma once

#include "analysis/SpreadAnalysis.h"
#include "app/texts/SpreadTexts.h"

#include <ostream>
#include <string>

// The analysis written out for scripts and spreadsheets.

// The band as CSV, as the result table's CSV is written: UTF-8 with a byte-order mark, ";"
// between fields where the decimal separator is a comma and "," otherwise, CRLF line ends, a
// heading line. Columns: frequency, nominal |k| in dB, min, 5 %, median, 95 %, max in dB (for
// corners: frequency, nominal, min, max). Each number is the shortest text that reads back to the
// same double, with the user's decimal separator.
void WriteSpreadCsv(const SpreadResult& result, std::ostream& out);
std::string SpreadCsvText(const SpreadResult& result);

// One "key = value" a line, '.' as the decimal point whatever the locale:
//   trials = 10000                                 (corners: combinations = 8192)
//   failed = 3
//   yield = 30.12 % [29.23 %, 31.03 %]             (only with limits; corners: 25.00 % (2048 /
//   8192),
//                                                    a count of combinations, no interval)
//   peak_db = min / 5 % / median / 95 % / max      (corners: min / max)
//   lower_edge_hz = …, upper_edge_hz = …, bandwidth_hz = …
//   lower_edge_below_sweep = 12, upper_edge_above_sweep = 99870   (only where not 0)
//   influence = C3 9.80 % (верхняя граница); R4 0.95 % (усиление); …   (tolerance × sensitivity,
//                                                    the greatest first; "нет" when all are held)
//   sensitivity = C3 -0.98 (верхняя граница); R4 0.95 (усиление); …   (in that order, then the
//                                                    parts held)
//   held = f1, k0                                  (the parts at 0 %, only where there are any)
// A quantile beyond the sweep reads ">5000" (above its end) or "<1000" (below its start).
// Percentages to two decimals, other numbers the shortest text that reads back the same.
std::string SpreadSummary(const SpreadResult& result);

// A characteristic point's spread, "min / 5 % / median / 95 % / max" (corners: "min / max"), each
// number as `number` writes it and a quantile beyond the sweep as `above` or `below` with its
// bound in place {1} ("> 5000"); "нет" where no trial has the point.
std::string PointSpreadText(const PointSpread& spread, SpreadMode mode,
                            std::string (*number)(double), const char* above = kShownAbove,
                            const char* below = kShownBelow);

// One quantile of it, as PointSpreadText writes each.
std::string QuantileText(const PointSpread& spread, double FiveQuantiles::*quantile,
                         std::string (*number)(double), const char* above = kShownAbove,
                         const char* below = kShownBelow);

// `sentence` (kUpperEdgeAboveSweep, kLowerEdgeBelowSweep) for the trials whose edge lies beyond
// the sweep: "в 99870 из 100000 испытаний верхняя граница выше 5000 Гц"; empty when there are none.
std::string BeyondSweepText(const char* sentence, const PointSpread& spread, SpreadMode mode,
                            std::string (*number)(double));

// The shortest text that reads back to the same double, with '.' ("0.1", "1e-05", "12345").
std::string ShortestText(double value);
