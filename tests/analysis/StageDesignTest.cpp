#include "analysis/StageDesign.h"

#include "SpreadTestStages.h"
#include "analysis/CharacteristicSearch.h"
#include "analysis/DesignRanking.h"
#include "analysis/StandardSeries.h"
#include "analysis/TrialStage.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The default series and ranges: resistors E24 0.1 … 1000 kΩ, capacitors E12 (C1, C3 0.001 …
// 1000 µF; C2, C4, C5 1 … 1,000,000 pF).
std::array<std::vector<double>, kDesignParts> DefaultChoices() {
    const DesignSettings d;
    std::array<std::vector<double>, kDesignParts> choices;
    for (size_t part = 0; part < kDesignParts; ++part)
        choices[part] = SeriesValues(part < 5 ? d.ResistorSeries : d.CapacitorSeries,
                                     d.Ranges[part].first, d.Ranges[part].second);
    return choices;
}

std::vector<double> DecadeSweep() {
    std::vector<double> f;
    for (int i = 0; i <= 100; ++i) // 10 Hz … 1 MHz, 20 a decade
        f.push_back(10 * std::pow(10.0, i / 20.0));
    return f;
}

// Requirements a stage meets, from its own exact curve and points, loosened a little: its edges
// 5 % outward, its gain over the decade around its peak within ±0.5 dB of what it is.
std::optional<YieldLimits> RequirementsOf(const EnteredParameters& stage,
                                          const std::vector<double>& f) {
    const StageParameters p = ConvertEntered(stage);
    std::vector<double> ratio;
    for (const double frequency : f)
        ratio.push_back(ComplexAbs(StageGain(frequency, p)));
    const PeakAndEdges points = FindPeakAndEdges(
        static_cast<int32_t>(f.size()), [&](int32_t i) { return f[static_cast<size_t>(i)]; },
        [&](int32_t i) { return ratio[static_cast<size_t>(i)]; },
        [&](double frequency) { return ComplexAbs(StageGain(frequency, p)); });
    if (!points.LowerEdge && !points.UpperEdge)
        return std::nullopt;
    YieldLimits r;
    if (points.LowerEdge)
        r.LowerEdgeAt = *points.LowerEdge * 1.05;
    if (points.UpperEdge)
        r.UpperEdgeAt = *points.UpperEdge / 1.05;
    // The gain over the band's middle decade around the peak.
    r.From = points.Peak.frequency / std::sqrt(10.0);
    r.To = points.Peak.frequency * std::sqrt(10.0);
    double low = INFINITY, high = 0;
    for (size_t j = 0; j < f.size(); ++j)
        if (f[j] >= *r.From && f[j] <= *r.To)
            low = std::min(low, ratio[j]), high = std::max(high, ratio[j]);
    if (high == 0)
        return std::nullopt;
    r.MinDb = 20 * std::log10(low) - 0.5;
    r.MaxDb = 20 * std::log10(high) + 0.5;
    return r;
}

// For requirements that some stage of the series meets (drawn from random stages of the series,
// not hand-picked), the search from the typical stage, all ten parts free, finds a stage that
// meets them; every value is of its part's series and range, k0, Rin and f1 untouched.
TEST(SearchDesigns, FindsAStageForRequirementsAStageOfTheSeriesMeets) {
    const auto choices = DefaultChoices();
    const std::vector<double> f = DecadeSweep();
    int tried = 0;
    for (uint64_t draw = 1; tried < 10 && draw < 200; ++draw) {
        EnteredParameters source = kTypicalStage;
        for (size_t part = 0; part < kDesignParts; ++part)
            source[part] = choices[part][StreamWord(draw, 0, static_cast<uint32_t>(part), 7) %
                                         choices[part].size()];
        const std::optional<YieldLimits> requirements = RequirementsOf(source, f);
        if (!requirements ||
            CheckRequirements(source, OpAmpPhase::Leading, f, *requirements).Margin < 0)
            continue;
        ++tried;
        SCOPED_TRACE(draw);
        DesignRequest request;
        request.Start = kTypicalStage;
        request.Frequencies = f;
        request.Requirements = *requirements;
        request.Choices = choices;
        request.Threads = 2;
        const std::atomic<bool> cancel{false};
        const std::vector<DesignCandidate> found = SearchDesigns(request, 10, cancel);
        ASSERT_FALSE(found.empty());
        // The same candidates whatever the number of threads.
        request.Threads = 1;
        const std::vector<DesignCandidate> alone = SearchDesigns(request, 10, cancel);
        ASSERT_EQ(alone.size(), found.size());
        for (size_t i = 0; i < found.size(); ++i)
            EXPECT_EQ(alone[i].Values, found[i].Values);
        EXPECT_GE(found.front().Margin, 0);
        for (const DesignCandidate& candidate : found) {
            for (size_t part = 0; part < kDesignParts; ++part)
                EXPECT_TRUE(std::ranges::count(choices[part], candidate.Values[part]));
            for (const size_t kept : {10u, 11u, 12u})
                EXPECT_EQ(candidate.Values[kept], kTypicalStage[kept]);
        }
    }
    EXPECT_EQ(tried, 10);
}

} // namespace

namespace {

// The candidates ranked by the yield of the stages built from them, best first, each with its
// own points and its check; the progress runs to its end; a cancel drops them all.
TEST(RankDesigns, ByTheYieldOfTheStagesBuilt) {
    DesignRequest request;
    request.Start = kTypicalStage;
    request.Frequencies = DecadeSweep();
    request.Requirements.From = 1000;
    request.Requirements.To = 10000;
    request.Requirements.MinDb = 19;
    request.Requirements.MaxDb = 21;
    request.Requirements.UpperEdgeAt = 50000;
    request.Choices = DefaultChoices();
    request.Threads = 2;
    SpreadInput tolerances;
    tolerances.Nominal = kTypicalStage;
    tolerances.Frequencies = request.Frequencies;
    tolerances.Settings.Limits = request.Requirements;
    tolerances.Threads = 2;
    CancelToken control;
    const DesignOutcome outcome = RankDesigns(request, tolerances, control);
    ASSERT_FALSE(outcome.Cancelled);
    ASSERT_GE(outcome.Ranked.size(), 2u);
    EXPECT_EQ(control.Done, control.Total);
    for (size_t i = 0; i < outcome.Ranked.size(); ++i) {
        const RankedDesign& r = outcome.Ranked[i];
        if (i > 0) {
            EXPECT_GE(outcome.Ranked[i - 1].Yield.Value, r.Yield.Value) << i;
        }
        EXPECT_EQ(r.Yield.Of, kLeastDesignTrials);
        EXPECT_TRUE(r.Nominal.has_value());
        EXPECT_EQ(r.Check.Margin, r.Candidate.Margin);
    }
    EXPECT_TRUE(outcome.Ranked.front().Meets());

    CancelToken cancelled;
    cancelled.Cancel = true;
    const DesignOutcome none = RankDesigns(request, tolerances, cancelled);
    EXPECT_TRUE(none.Cancelled);
    EXPECT_TRUE(none.Ranked.empty());
}

} // namespace
