#include "SpreadAnalysis.h"

#include "TrialStage.h"
#include "Workers.h"
#include "numerics/CheckedArithmetic.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace {

// About this many gains per chunk a worker takes: a fraction of a millisecond, so a cancel is
// seen at once and the threads share the work evenly.
constexpr int64_t kGainsPerChunk = 1 << 16;
// Frequencies whose order statistics one chunk forms.
constexpr int64_t kFrequenciesPerChunk = 4;

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

int64_t TrialsOf(const SpreadSettings& s) {
    const auto varied =
        std::count_if(s.Tolerances.begin(), s.Tolerances.end(), [](double t) { return t > 0; });
    return s.Mode == SpreadMode::Corners ? int64_t{1} << varied : int64_t{s.Trials};
}

double DecibelsOf(double ratio) {
    // As the result table's dB column: 20·log10 in extended precision, rounded once.
    return Store(20 * std::log10(Extended(ratio)));
}

// What pass 1 keeps of each trial: O(trials), never O(trials × frequencies).
struct TrialPoints {
    std::vector<uint8_t> failed, meets;
    std::vector<double> peakDecibels, peakFrequency, lowerEdge, upperEdge; // NaN: no such edge
};

class Analysis {
  public:
    Analysis(const SpreadInput& input, CancelToken& token)
        : in_(input), token_(token), settings_(input.Settings), points_(input.Frequencies.size()),
          f_(input.Frequencies.data()) {
        trials_ = TrialsOf(settings_);
        omega_.resize(points_);
        AngularFrequencies(f_, points_, omega_.data());
        width_ = std::clamp<size_t>(
            input.BandMemory / sizeof(double) / static_cast<size_t>(trials_), 1, points_);
        const auto blocks = static_cast<int64_t>((points_ + width_ - 1) / width_);
        const int64_t recomputed = blocks > 1 ? trials_ * blocks : 0;
        token_.Total = trials_ + recomputed + static_cast<int64_t>(points_);
        token_.Done = 0;
    }

    SpreadOutcome Run();

  private:
    void Nominal(SpreadResult& result);
    void Trials();
    bool SingleBlock() const { return width_ == points_; }
    StageParameters TrialStage(int64_t trial) const {
        return ConvertEntered(TrialParameters(in_.Nominal, settings_, static_cast<uint64_t>(trial)),
                              in_.Phase);
    }
    void Trial(int64_t trial, double* curve);
    void TrialGains(const StageParameters& p, size_t from, size_t count, double* ratio) const;
    bool MeetsLimits(const double* curve, const PeakAndEdges& points) const;
    void Band(SpreadResult& result);
    void IntoBlock(const double* tile, int64_t begin, int64_t end, size_t count);
    void BandStatistics(size_t from, size_t count, SpreadResult& result);
    void PointSpreads(SpreadResult& result) const;
    void Step(int64_t units) { token_.Done.fetch_add(units, std::memory_order_relaxed); }

    const SpreadInput& in_;
    CancelToken& token_;
    const SpreadSettings& settings_;
    size_t points_;
    const double* f_;
    int64_t trials_ = 0;
    std::vector<double> omega_;
    size_t width_ = 1; // frequencies per block of the band
    // width_ × trials, a block of the band, frequency by frequency. Not cleared when made: the
    // workers write every place before it is read, and so touch its pages first, in parallel.
    std::unique_ptr<double[]> matrix_;
    TrialPoints kept_;
};

// |k| of the fast arithmetic; where any of them loses its digits, of its scaled form; where that
// faults or loses them too, the exact model's for the same frequencies, which throws
// FloatingPointError when the trial really cannot be calculated.
void Analysis::TrialGains(const StageParameters& p, size_t from, size_t count,
                          double* ratio) const {
    for (const bool scaled : {false, true}) {
        ClearFloatFlags();
        if (FastGains(FastStage(p), f_ + from, omega_.data() + from, count, ratio, scaled) &&
            !FloatFlagRaised())
            return;
    }
    ClearFloatFlags();
    ExactGains(p, f_ + from, count, ratio);
}

// A gain of 0 (below the least double) or beyond the largest is no gain the trial can be judged
// by: the trial is one where the calculation is impossible.
bool Calculable(const double* ratio, size_t count) {
    return std::all_of(ratio, ratio + count,
                       [](double r) { return r > 0 && r <= std::numeric_limits<double>::max(); });
}

// One trial over the whole sweep into `curve`: whether it fails, its characteristic points and
// whether it meets the limits.
void Analysis::Trial(int64_t trial, double* curve) {
    const auto t = static_cast<size_t>(trial);
    try {
        const StageParameters p = TrialStage(trial);
        TrialGains(p, 0, points_, curve);
        if (!Calculable(curve, points_)) {
            kept_.failed[t] = 1;
            return;
        }
        const auto rows = static_cast<int32_t>(points_);
        const auto frequency = [&](int32_t i) { return f_[i]; };
        const auto ratio = [&](int32_t i) { return curve[i]; };
        // Refined on the fast arithmetic; should it fault anywhere, again on the exact model.
        const FastStage fast(p);
        bool faulted = false;
        PeakAndEdges found = FindPeakAndEdges(rows, frequency, ratio, [&](double f) {
            const double r = FastGain(fast, f);
            faulted = faulted || FloatFlagRaised() || std::isnan(r);
            return r;
        });
        if (faulted) {
            ClearFloatFlags();
            found = FindPeakAndEdges(rows, frequency, ratio,
                                     [&](double f) { return ComplexAbs(StageGain(f, p)); });
        }
        kept_.peakFrequency[t] = found.Peak.frequency;
        kept_.peakDecibels[t] = DecibelsOf(found.Peak.ratio);
        kept_.lowerEdge[t] = found.LowerEdge.value_or(kNone);
        kept_.upperEdge[t] = found.UpperEdge.value_or(kNone);
        kept_.meets[t] = MeetsLimits(curve, found);
    } catch (const FloatingPointError&) {
        kept_.failed[t] = 1;
    }
}

bool Analysis::MeetsLimits(const double* curve, const PeakAndEdges& found) const {
    const YieldLimits& limits = settings_.Limits;
    if (limits.LowerEdgeAt && found.LowerEdge && !(*found.LowerEdge <= *limits.LowerEdgeAt))
        return false;
    if (limits.UpperEdgeAt && found.UpperEdge && !(*found.UpperEdge >= *limits.UpperEdgeAt))
        return false;
    if (!limits.MinDb && !limits.MaxDb)
        return true;
    double low = std::numeric_limits<double>::infinity(), high = 0;
    for (size_t j = 0; j < points_; ++j) {
        if ((limits.From && f_[j] < *limits.From) || (limits.To && f_[j] > *limits.To))
            continue;
        low = std::min(low, curve[j]);
        high = std::max(high, curve[j]);
    }
    if (high == 0) // no sweep frequency in the range: nothing to hold
        return true;
    return !(limits.MinDb && DecibelsOf(low) < *limits.MinDb) &&
           !(limits.MaxDb && DecibelsOf(high) > *limits.MaxDb);
}

// Trials [begin, end) of `tile` (a row of `count` gains each) into the block's columns, each
// frequency's gains side by side, so each frequency's order statistics read one run of memory.
void Analysis::IntoBlock(const double* tile, int64_t begin, int64_t end, size_t count) {
    const auto n = static_cast<size_t>(end - begin);
    const auto stride = static_cast<size_t>(trials_);
    double* const block = matrix_.get() + static_cast<size_t>(begin);
    // Eight frequencies at a time: one cache line of each trial's row.
    constexpr size_t kLine = 8;
    for (size_t j0 = 0; j0 < count; j0 += kLine) {
        const size_t j1 = std::min(count, j0 + kLine);
        for (size_t t = 0; t < n; ++t)
            for (size_t j = j0; j < j1; ++j)
                block[j * stride + t] = tile[t * count + j];
    }
}

// The band's order statistics for frequencies [from, from + count), the block held in the
// matrix, over the trials that did not fail.
void Analysis::BandStatistics(size_t from, size_t count, SpreadResult& result) {
    const auto workers = static_cast<size_t>(std::max(in_.Threads, 1));
    std::vector<SpreadSelector> selectors(workers);
    std::vector<std::vector<double>> survivors(workers);
    RunChunks(in_.Threads, static_cast<int64_t>(count), kFrequenciesPerChunk, token_.Cancel,
              [&](int worker, int64_t begin, int64_t end) {
                  std::vector<double>& kept = survivors[static_cast<size_t>(worker)];
                  for (auto j = static_cast<size_t>(begin); j < static_cast<size_t>(end); ++j) {
                      double* column = matrix_.get() + j * static_cast<size_t>(trials_);
                      kept.clear();
                      for (size_t t = 0; t < static_cast<size_t>(trials_); ++t)
                          if (!kept_.failed[t])
                              kept.push_back(column[t]);
                      const FiveQuantiles r =
                          selectors[static_cast<size_t>(worker)].Of(kept.data(), kept.size());
                      result.BandRatio[from + j] = r;
                      result.BandDecibels[from + j] = {DecibelsOf(r.Min), DecibelsOf(r.Low),
                                                       DecibelsOf(r.Median), DecibelsOf(r.High),
                                                       DecibelsOf(r.Max)};
                  }
                  Step(end - begin);
              });
}

void Analysis::Band(SpreadResult& result) {
    result.BandRatio.resize(points_);
    result.BandDecibels.resize(points_);
    if (SingleBlock()) {
        BandStatistics(0, points_, result);
        return;
    }
    const int64_t chunk = std::max<int64_t>(1, kGainsPerChunk / static_cast<int64_t>(width_));
    std::vector<std::vector<double>> tiles(
        static_cast<size_t>(std::max(in_.Threads, 1)),
        std::vector<double>(static_cast<size_t>(chunk) * width_));
    for (size_t from = 0; from < points_ && !token_.Cancel; from += width_) {
        const size_t count = std::min(width_, points_ - from);
        RunChunks(in_.Threads, trials_, chunk, token_.Cancel,
                  [&](int worker, int64_t begin, int64_t end) {
                      double* tile = tiles[static_cast<size_t>(worker)].data();
                      for (int64_t t = begin; t < end; ++t)
                          if (!kept_.failed[static_cast<size_t>(t)])
                              TrialGains(TrialStage(t), from, count,
                                         tile + static_cast<size_t>(t - begin) * count);
                      IntoBlock(tile, begin, end, count);
                      Step(end - begin);
                  });
        if (!token_.Cancel)
            BandStatistics(from, count, result);
    }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Of each trial's value, `ordered` holding `beyond` (+∞ or −∞) for one beyond the sweep and
// `bounded` the bound it lies beyond: the order statistics of both, and a quantile known where
// they agree. Without values beyond, simply the values' spread.
PointSpread SpreadOf(std::vector<double> ordered, std::vector<double> bounded, double beyond,
                     double sweepEnd) {
    PointSpread s;
    s.Trials = static_cast<int64_t>(ordered.size());
    s.SweepEnd = sweepEnd;
    if (ordered.empty())
        return s;
    std::vector<double> known;
    std::copy_if(ordered.begin(), ordered.end(), std::back_inserter(known),
                 [](double v) { return std::isfinite(v); });
    s.Beyond = s.Trials - static_cast<int64_t>(known.size());
    if (!known.empty()) {
        const auto [least, most] = std::minmax_element(known.begin(), known.end());
        s.Bins = MakeHistogram(known, *least, *most);
    }
    s.Values = NearestRankSpread(ordered);
    s.Bounds = s.Beyond > 0 ? NearestRankSpread(bounded) : s.Values;
    for (const auto quantile : {&FiveQuantiles::Min, &FiveQuantiles::Low, &FiveQuantiles::Median,
                                &FiveQuantiles::High, &FiveQuantiles::Max})
        if (s.Values.*quantile != s.Bounds.*quantile)
            s.Values.*quantile = beyond;
    return s;
}

PointSpread SpreadOf(std::vector<double> values) {
    std::vector<double> same = values;
    return SpreadOf(std::move(values), std::move(same), kInfinity, 0);
}

void Analysis::PointSpreads(SpreadResult& result) const {
    const double start = f_[0], end = f_[points_ - 1];
    std::vector<double> peakDb, peakF, lower, lowerBound, upper, upperBound, width, widthBound;
    for (size_t t = 0; t < static_cast<size_t>(trials_); ++t) {
        if (kept_.failed[t])
            continue;
        peakDb.push_back(kept_.peakDecibels[t]);
        peakF.push_back(kept_.peakFrequency[t]);
        const double l = kept_.lowerEdge[t], u = kept_.upperEdge[t];
        const bool below = std::isnan(l), above = std::isnan(u);
        lower.push_back(below ? -kInfinity : l);
        lowerBound.push_back(below ? start : l);
        upper.push_back(above ? kInfinity : u);
        upperBound.push_back(above ? end : u);
        // An edge beyond the sweep leaves the bandwidth wider than from the sweep's end.
        width.push_back(below || above ? kInfinity : Store(Extended(u) - l));
        widthBound.push_back(Store(Extended(upperBound.back()) - lowerBound.back()));
    }
    result.PeakDecibels = SpreadOf(std::move(peakDb));
    result.PeakFrequency = SpreadOf(std::move(peakF));
    result.LowerEdge = SpreadOf(std::move(lower), std::move(lowerBound), -kInfinity, start);
    result.UpperEdge = SpreadOf(std::move(upper), std::move(upperBound), kInfinity, end);
    result.Bandwidth = SpreadOf(std::move(width), std::move(widthBound), kInfinity, 0);
}

// The nominal stage exactly as the calculation computes it, and its characteristic points; its
// faults are the caller's.
void Analysis::Nominal(SpreadResult& result) {
    const StageParameters nominal = ConvertEntered(in_.Nominal, in_.Phase);
    result.NominalRatio.resize(points_);
    RunChunks(in_.Threads, static_cast<int64_t>(points_), kGainsPerChunk / 16, token_.Cancel,
              [&](int, int64_t begin, int64_t end) {
                  for (auto j = static_cast<size_t>(begin); j < static_cast<size_t>(end); ++j)
                      result.NominalRatio[j] = ComplexAbs(StageGain(f_[j], nominal));
              });
    if (token_.Cancel)
        return;
    result.NominalDecibels.resize(points_);
    std::transform(result.NominalRatio.begin(), result.NominalRatio.end(),
                   result.NominalDecibels.begin(), DecibelsOf);
    result.NominalPoints = FindPeakAndEdges(
        static_cast<int32_t>(points_), [&](int32_t i) { return f_[i]; },
        [&](int32_t i) { return result.NominalRatio[static_cast<size_t>(i)]; },
        [&](double f) { return ComplexAbs(StageGain(f, nominal)); });
}

// Trial by trial over the whole sweep: which trials fail, their characteristic points and
// limits; with one block, their gains into the band's block as well. Each worker holds its
// chunk's curves; on a sweep of millions of frequencies fewer workers, so they fit in the band's
// memory.
void Analysis::Trials() {
    const auto n = static_cast<size_t>(trials_);
    kept_ = {std::vector<uint8_t>(n, 0), std::vector<uint8_t>(n, 0), std::vector<double>(n),
             std::vector<double>(n),     std::vector<double>(n),     std::vector<double>(n)};
    matrix_.reset(new double[n * width_]);
    const int64_t chunk = std::max<int64_t>(1, kGainsPerChunk / static_cast<int64_t>(points_));
    const size_t tile = static_cast<size_t>(chunk) * points_;
    const auto most = static_cast<size_t>(std::max(in_.Threads, 1));
    const auto workers = std::clamp<size_t>(in_.BandMemory / (tile * sizeof(double)), 1, most);
    std::vector<std::vector<double>> tiles(workers, std::vector<double>(tile));
    RunChunks(static_cast<int>(workers), trials_, chunk, token_.Cancel,
              [&](int worker, int64_t begin, int64_t end) {
                  double* curves = tiles[static_cast<size_t>(worker)].data();
                  for (int64_t t = begin; t < end; ++t)
                      Trial(t, curves + static_cast<size_t>(t - begin) * points_);
                  if (SingleBlock())
                      IntoBlock(curves, begin, end, points_);
                  Step(end - begin);
              });
}

SpreadOutcome Analysis::Run() {
    auto result = std::make_shared<SpreadResult>();
    result->Mode = settings_.Mode;
    result->Trials = trials_;
    result->Frequencies = in_.Frequencies;
    Nominal(*result);
    if (!token_.Cancel)
        Trials();
    if (token_.Cancel)
        return {nullptr, {}, true};
    result->Failed = std::count(kept_.failed.begin(), kept_.failed.end(), uint8_t{1});
    if (result->Failed == trials_)
        return {
            nullptr,
            {SpreadProblem::EveryTrialFailed, 0, static_cast<double>(trials_), 0, settings_.Mode},
            false};

    Band(*result);
    if (token_.Cancel)
        return {nullptr, {}, true};
    matrix_.reset();
    PointSpreads(*result);
    if (settings_.Limits.Any()) {
        int64_t met = 0;
        for (size_t t = 0; t < static_cast<size_t>(trials_); ++t)
            met += !kept_.failed[t] && kept_.meets[t];
        result->Yield = WilsonShare(met, trials_ - result->Failed);
    }
    result->Sensitivities =
        NominalSensitivities(in_.Nominal, in_.Phase, result->NominalPoints, settings_.Tolerances);
    return {std::move(result), {}, false};
}

} // namespace

SpreadRefusal CheckSpreadSettings(const SpreadSettings& s) {
    for (size_t i = 0; i < s.Tolerances.size(); ++i) {
        const double t = s.Tolerances[i];
        if (!(t >= 0 && t < 100))
            return {SpreadProblem::ToleranceOutOfRange, i, t};
    }
    if (s.Mode == SpreadMode::MonteCarlo && !(s.Trials >= 1 && s.Trials <= kMaxTrials))
        return {SpreadProblem::TrialsOutOfRange, 0, static_cast<double>(s.Trials)};
    const YieldLimits& l = s.Limits;
    for (size_t i = 0; i < std::size(kSpreadFrequencyLimits); ++i)
        if (const std::optional<double>& f = l.*kSpreadFrequencyLimits[i]; f && !(*f > 0))
            return {SpreadProblem::LimitNotPositive, i, *f};
    if (l.From && l.To && *l.To < *l.From)
        return {SpreadProblem::LimitRangeReversed};
    if (l.MinDb && l.MaxDb && *l.MaxDb < *l.MinDb)
        return {SpreadProblem::LimitGainReversed};
    return {};
}

SpreadRefusal CheckSpread(const SpreadInput& input) {
    const SpreadSettings& s = input.Settings;
    if (SpreadRefusal refusal = CheckSpreadSettings(s))
        return refusal;
    if (input.Frequencies.empty())
        return {SpreadProblem::NoSweep};
    if (TrialsOf(s) * static_cast<int64_t>(input.Frequencies.size()) > kMaxTrialGains)
        return {SpreadProblem::TooManyTrialGains};
    // An edge beyond the sweep is known only to lie beyond it, and a range of the gain outside it
    // holds no frequency it was computed at: the sweep cannot judge such a limit.
    const double start = input.Frequencies.front(), end = input.Frequencies.back();
    for (size_t i = 0; i < std::size(kSpreadFrequencyLimits); ++i) {
        const std::optional<double>& f = s.Limits.*kSpreadFrequencyLimits[i];
        if (f && *f < start)
            return {SpreadProblem::LimitBelowSweep, i, *f, start};
        if (f && *f > end)
            return {SpreadProblem::LimitAboveSweep, i, *f, end};
    }
    return {};
}

SpreadOutcome RunSpread(const SpreadInput& input, CancelToken& token) {
    if (SpreadRefusal refusal = CheckSpread(input))
        return {nullptr, refusal, false};
    return Analysis(input, token).Run();
}
