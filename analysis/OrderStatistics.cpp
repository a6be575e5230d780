#include "OrderStatistics.h"

#include <algorithm>
#include <cmath>

int64_t NearestRank(int64_t n, int percent) {
    // ⌈p·n/100⌉ in integers.
    return std::max<int64_t>(1, (percent * n + 99) / 100);
}

Spread5 NearestRankSpread(std::vector<double>& values) {
    const auto n = static_cast<int64_t>(values.size());
    const auto at = [&](int percent) { return values.begin() + (NearestRank(n, percent) - 1); };
    // The median first, then each tail within its half only.
    const auto median = at(50), low = at(5), high = at(95);
    std::nth_element(values.begin(), median, values.end());
    std::nth_element(values.begin(), low, median);
    std::nth_element(median, high, values.end());
    return {*std::min_element(values.begin(), low + 1), *low, *median, *high,
            *std::max_element(high, values.end())};
}

Histogram MakeHistogram(const std::vector<double>& values, double from, double to) {
    Histogram h{from, to, std::vector<int64_t>(kHistogramBins, 0)};
    const double width = (to - from) / kHistogramBins;
    for (const double v : values) {
        int bin = width > 0 ? static_cast<int>((v - from) / width) : 0;
        ++h.Counts[static_cast<size_t>(std::clamp(bin, 0, kHistogramBins - 1))];
    }
    return h;
}

Share WilsonShare(int64_t met, int64_t n) {
    Share s{met, n, 0, 0, 0};
    if (n == 0)
        return s;
    constexpr double z = 1.959963984540054; // the 97.5 % point of the normal distribution
    const double dn = static_cast<double>(n);
    const double p = static_cast<double>(met) / dn;
    const double centre = (p + z * z / (2 * dn)) / (1 + z * z / dn);
    const double half = z / (1 + z * z / dn) * std::sqrt(p * (1 - p) / dn + z * z / (4 * dn * dn));
    s.Value = p;
    s.Low = std::max(0.0, centre - half);
    s.High = std::min(1.0, centre + half);
    return s;
}
