#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Statistics over the trials that did not fail: exact order statistics, so they are the same
// whatever order the trials were computed in.

// Smallest, 5 %, median, 95 % and largest, by nearest rank: the p-quantile of n values is the
// ⌈p·n⌉-th smallest (the smallest for p = 0).
struct FiveQuantiles {
    double Min, Low, Median, High, Max;
};

// Of `values` (n ≥ 1, no NaN), which it reorders.
FiveQuantiles NearestRankSpread(std::vector<double>& values);

// The same, keeping its buffers from call to call (one per worker). For many values it does not
// sort them: a sorted sample of them brackets each quantile, one pass counts the values under
// each bracket and collects those inside it, and only those are ordered. Exact whatever the
// sample: a bracket that misses its quantile falls back on ordering all the values.
class SpreadSelector {
  public:
    FiveQuantiles Of(double* values, size_t n);

  private:
    std::vector<double> sample_;
    std::vector<double> window_[3];
};
// The rank (1 … n) of the p-quantile, p in percent.
int64_t NearestRank(int64_t n, int percent);

// Counts in equal bins from Min to Max (one bin holding every value when they are all equal).
struct Histogram {
    double From = 0, To = 0; // the ends of the bins
    std::vector<int64_t> Counts;
};
inline constexpr int kHistogramBins = 30;
Histogram MakeHistogram(const std::vector<double>& values, double from, double to);

// The share of `met` among `n` and its 95 % Wilson score interval.
struct Share {
    int64_t Met = 0, Of = 0;
    double Value = 0, Low = 0, High = 0; // fractions 0 … 1
};
Share WilsonShare(int64_t met, int64_t n);
