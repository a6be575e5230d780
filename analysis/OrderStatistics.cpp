#include "OrderStatistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

int64_t NearestRank(int64_t n, int percent) {
    // ⌈p·n/100⌉ in integers.
    return std::max<int64_t>(1, (percent * n + 99) / 100);
}

namespace {

constexpr int kPercents[3] = {5, 50, 95};
// Below this many values ordering them all is as quick.
constexpr size_t kFewValues = 4096;
constexpr size_t kSampleSize = 512;

// By three partial orderings: the median first, then each tail on its side of it only (the
// median's own place left out: ordering a range may move its first element).
FiveQuantiles OrderAll(double* v, size_t n) {
    const auto at = [&](int percent) {
        return v + (NearestRank(static_cast<int64_t>(n), percent) - 1);
    };
    double* const median = at(50);
    double* const low = at(5);
    double* const high = at(95);
    std::nth_element(v, median, v + n);
    std::nth_element(v, low, median);
    if (high > median)
        std::nth_element(median + 1, high, v + n);
    return {*std::min_element(v, low + 1), *low, *median, *high, *std::max_element(high, v + n)};
}

} // namespace

FiveQuantiles NearestRankSpread(std::vector<double>& values) {
    return SpreadSelector().Of(values.data(), values.size());
}

FiveQuantiles SpreadSelector::Of(double* v, size_t n) {
    if (n < kFewValues)
        return OrderAll(v, n);
    sample_.resize(kSampleSize);
    for (size_t i = 0; i < kSampleSize; ++i)
        sample_[i] = v[i * n / kSampleSize];
    std::sort(sample_.begin(), sample_.end());
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    size_t rank[3];
    double lo[3], hi[3];
    for (int k = 0; k < 3; ++k) {
        rank[k] = static_cast<size_t>(NearestRank(static_cast<int64_t>(n), kPercents[k]) - 1);
        // Five standard deviations of the quantile's place in the sample either side.
        const double p = kPercents[k] / 100.0;
        const auto margin = static_cast<size_t>(5 * std::sqrt(kSampleSize * p * (1 - p))) + 2;
        const size_t at = rank[k] * kSampleSize / n;
        lo[k] = at >= margin ? sample_[at - margin] : -kInfinity;
        hi[k] = at + margin < kSampleSize ? sample_[at + margin] : kInfinity;
    }
    // Written without branches: every value is stored past each window's end, which only
    // advances over the values inside.
    for (int k = 0; k < 3; ++k)
        window_[k].resize(n);
    double* const w0 = window_[0].data();
    double* const w1 = window_[1].data();
    double* const w2 = window_[2].data();
    size_t below0 = 0, below1 = 0, below2 = 0, in0 = 0, in1 = 0, in2 = 0;
    double least = kInfinity, most = -kInfinity;
    for (size_t i = 0; i < n; ++i) {
        const double x = v[i];
        least = std::min(least, x);
        most = std::max(most, x);
        below0 += x < lo[0];
        below1 += x < lo[1];
        below2 += x < lo[2];
        w0[in0] = x;
        w1[in1] = x;
        w2[in2] = x;
        in0 += (x >= lo[0]) & (x <= hi[0]);
        in1 += (x >= lo[1]) & (x <= hi[1]);
        in2 += (x >= lo[2]) & (x <= hi[2]);
    }
    const size_t below[3] = {below0, below1, below2};
    window_[0].resize(in0);
    window_[1].resize(in1);
    window_[2].resize(in2);
    double quantile[3];
    for (int k = 0; k < 3; ++k) {
        std::vector<double>& w = window_[k];
        if (rank[k] >= below[k] && rank[k] - below[k] < w.size()) {
            const auto nth = w.begin() + static_cast<ptrdiff_t>(rank[k] - below[k]);
            std::nth_element(w.begin(), nth, w.end());
            quantile[k] = *nth;
        } else {
            std::nth_element(v, v + rank[k], v + n);
            quantile[k] = v[rank[k]];
        }
    }
    return {least, quantile[0], quantile[1], quantile[2], most};
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
