#pragma once

#include "SpreadAnalysis.h"

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
//   trials = 10000
//   failed = 3
//   yield = 30.12 % [29.23 %, 31.03 %]             (only with limits)
//   peak_db = min / 5 % / median / 95 % / max      (corners: min / max)
//   lower_edge_hz = …, upper_edge_hz = …, bandwidth_hz = …   ("нет" where no trial has one)
//   sensitivity = C3 -0.98 (верхняя граница); R4 0.95 (усиление); …
// Percentages to two decimals, other numbers the shortest text that reads back the same.
std::string SpreadSummary(const SpreadResult& result);

// A characteristic point's spread, "min / 5 % / median / 95 % / max" (corners: "min / max"), each
// number as `number` writes it; "нет" where no trial has the point.
std::string PointSpreadText(const PointSpread& spread, SpreadMode mode,
                            std::string (*number)(double));

// The shortest text that reads back to the same double, with '.' ("0.1", "1e-05", "12345").
std::string ShortestText(double value);
