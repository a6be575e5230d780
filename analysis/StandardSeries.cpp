#include "StandardSeries.h"

#include <array>
#include <charconv>
#include <cmath>
#include <span>
#include <string>

namespace {

// The mantissas of a decade, from 10 (two digits) or 100 (three).
constexpr std::array<int, 6> kE6 = {10, 15, 22, 33, 47, 68};
constexpr std::array<int, 12> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                      33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 48> kE48 = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                      178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                      316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                      562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> kE96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

struct SeriesTable {
    std::string_view name;
    std::span<const int> mantissas;
    int digits; // of each mantissa
};

constexpr std::array<SeriesTable, 5> kSeries = {{
    {"E6", kE6, 2},
    {"E12", kE12, 2},
    {"E24", kE24, 2},
    {"E48", kE48, 3},
    {"E96", kE96, 3},
}};

// mantissa·10^exponent as the double nearest that decimal number, read from its text.
double Decimal(int mantissa, int exponent) {
    const std::string text = std::to_string(mantissa) + "e" + std::to_string(exponent);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

std::optional<StandardSeries> SeriesNamed(std::string_view name) {
    for (size_t i = 0; i < kSeries.size(); ++i)
        if (kSeries[i].name == name)
            return static_cast<StandardSeries>(i);
    return std::nullopt;
}

std::string_view SeriesName(StandardSeries series) {
    return kSeries[static_cast<size_t>(series)].name;
}

std::vector<double> SeriesValues(StandardSeries series, double low, double high) {
    const SeriesTable& table = kSeries[static_cast<size_t>(series)];
    std::vector<double> values;
    if (!(low > 0 && low <= high && std::isfinite(high)))
        return values;
    // From the decade below low's to the one above high's, each value kept where it lies in the
    // range as its decimal number does.
    const int first = static_cast<int>(std::floor(std::log10(low))) - 1;
    const int last = static_cast<int>(std::floor(std::log10(high))) + 1;
    for (int decade = first; decade <= last; ++decade)
        for (const int mantissa : table.mantissas)
            if (const double value = Decimal(mantissa, decade - table.digits + 1);
                value >= low && value <= high)
                values.push_back(value);
    return values;
}
