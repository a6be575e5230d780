#pragma once

#include <optional>
#include <string_view>
#include <vector>

// The preferred values of resistors and capacitors (IEC 60063): per decade, E6, E12 and E24 in
// two significant digits, E48 and E96 in three. Their values are the standard's tables, not
// 10^(i/n): E24's 3.3 and 4.7 are not the 3.2 and 4.6 that rounding the powers gives.
enum class StandardSeries { E6, E12, E24, E48, E96 };

// The series by its name ("E24"), or nothing.
std::optional<StandardSeries> SeriesNamed(std::string_view name);
std::string_view SeriesName(StandardSeries series);

// Its values in [low, high] (0 < low ≤ high, any units: 0.1 … 1000 gives 0.1, 0.11, … 1000 for
// E24), ascending, each the double nearest the decimal value, so 4.7 is the 4.7 typed.
std::vector<double> SeriesValues(StandardSeries series, double low, double high);
