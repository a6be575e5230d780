#include "analysis/SpreadAnalysis.h"

#include "SpreadTestStages.h"
#include "analysis/CharacteristicSearch.h"
#include "analysis/TrialStage.h"
#include "app/spread/SpreadReport.h"
#include "app/texts/SpreadTexts.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numeric>
#include <thread>

namespace {

constexpr size_t kR4 = 3, kC1 = 5, kK0 = 10, kF1 = 12;

SpreadInput Analysis(const EnteredParameters& typed, int trials, int threads = 2, double from = 1) {
    SpreadInput input;
    input.Nominal = typed;
    input.Frequencies = Calculate(typed, from).Frequencies;
    input.Settings.Trials = trials;
    input.Threads = threads;
    return input;
}

SpreadResult Analyse(const SpreadInput& input) {
    CancelToken control;
    const SpreadOutcome outcome = RunSpread(input, control);
    EXPECT_FALSE(outcome.Refusal);
    return outcome.Result ? *outcome.Result : SpreadResult{};
}

void ExpectNear(double value, double expected, const char* what) {
    EXPECT_NEAR(value, expected, 1E-12 * std::abs(expected)) << what;
}

TEST(Spread, WithoutTolerancesTheBandIsTheNominalCurveAndThePointsTheNominalPoints) {
    SpreadInput input = Analysis(kTypicalStage, 50);
    input.Settings.Tolerances = {};
    const SpreadResult r = Analyse(input);
    const Calculated nominal = Calculate(kTypicalStage);
    ASSERT_EQ(r.BandRatio.size(), nominal.Ratio.size());
    for (size_t j = 0; j < nominal.Ratio.size(); ++j) {
        EXPECT_EQ(r.NominalRatio[j], nominal.Ratio[j]);
        ExpectNear(r.BandRatio[j].Min, nominal.Ratio[j], "min");
        ExpectNear(r.BandRatio[j].Max, nominal.Ratio[j], "max");
    }
    EXPECT_EQ(r.Failed, 0);
    const PeakAndEdges& p = r.NominalPoints;
    ASSERT_TRUE(p.UpperEdge && r.UpperEdge.Trials == 50 && r.UpperEdge.Beyond == 0);
    EXPECT_NEAR(r.UpperEdge.Values.Min, *p.UpperEdge, 1E-9 * *p.UpperEdge);
    EXPECT_NEAR(r.UpperEdge.Values.Max, *p.UpperEdge, 1E-9 * *p.UpperEdge);
    EXPECT_NEAR(r.PeakDecibels.Values.Min, 20 * std::log10(p.Peak.ratio), 1E-9);
    EXPECT_NEAR(r.PeakDecibels.Values.Max, 20 * std::log10(p.Peak.ratio), 1E-9);
}

// R4 alone ± 5 %: the gain rises with R4 everywhere, so its ends bound every stage.
struct OneParameter {
    SpreadInput input = Analysis(kTypicalStage, 10'000);
    Calculated low, high;

    OneParameter() {
        input.Settings.Tolerances = {};
        input.Settings.Tolerances[kR4] = 5;
        EnteredParameters typed = kTypicalStage;
        typed[kR4] *= 0.95;
        low = Calculate(typed);
        typed[kR4] = kTypicalStage[kR4] * 1.05;
        high = Calculate(typed);
    }
};

TEST(Spread, CornersOfOneParameterAreTheGainsAtItsEnds) {
    OneParameter one;
    one.input.Settings.Mode = SpreadMode::Corners;
    const SpreadResult r = Analyse(one.input);
    EXPECT_EQ(r.Trials, 2);
    for (size_t j = 0; j < r.Frequencies.size(); ++j) {
        ExpectNear(r.BandRatio[j].Min, one.low.Ratio[j], "min");
        ExpectNear(r.BandRatio[j].Max, one.high.Ratio[j], "max");
    }
}

TEST(Spread, MonteCarloOfOneParameterLiesWithinItsEndsAndComesClose) {
    OneParameter one;
    const SpreadResult r = Analyse(one.input);
    for (size_t j = 0; j < r.Frequencies.size(); ++j) {
        const double low = one.low.Ratio[j], high = one.high.Ratio[j];
        EXPECT_GE(r.BandRatio[j].Min, low * (1 - 1E-12));
        EXPECT_LE(r.BandRatio[j].Max, high * (1 + 1E-12));
        // 10000 uniform draws come within a thousandth of the range of each end.
        EXPECT_LT(r.BandRatio[j].Min - low, 1E-3 * (high - low));
        EXPECT_LT(high - r.BandRatio[j].Max, 1E-3 * (high - low));
        EXPECT_LT(r.BandRatio[j].Low, r.BandRatio[j].Median);
    }
}

TEST(Spread, AGainLimitThatCutsOneParameterGivesItsShareWithinTheInterval) {
    OneParameter one;
    // At 1 kHz, mid-band, the gain rises with R4: a ceiling at the gain of R4 + 2 % passes the
    // trials below it, 7 of the 10 parts of the uniform ±5 %.
    EnteredParameters cut = kTypicalStage;
    cut[kR4] *= 1.02;
    const Calculated atCut = Calculate(cut, 1000, 1000);
    one.input.Settings.Limits.From = 1000;
    one.input.Settings.Limits.To = 1000;
    one.input.Settings.Limits.MaxDb = 20 * std::log10(atCut.Ratio[0]);
    one.input.Frequencies = atCut.Frequencies;
    const SpreadResult r = Analyse(one.input);
    ASSERT_TRUE(r.Yield);
    EXPECT_EQ(r.Yield->Of, 10'000);
    EXPECT_LT(r.Yield->Low, 0.7) << r.Yield->Value;
    EXPECT_GT(r.Yield->High, 0.7);
    EXPECT_LT(r.Yield->High - r.Yield->Low, 0.02);
}

TEST(Spread, IsTheSameBitForBitForTheSameSeedOnAnyNumberOfThreads) {
    SpreadInput input = Analysis(kTypicalStage, 3000, 1);
    input.Settings.Limits.LowerEdgeAt = 20;
    const SpreadResult one = Analyse(input);
    input.Threads = 2;
    const SpreadResult two = Analyse(input);
    input.Threads = 5;
    const SpreadResult five = Analyse(input);
    EXPECT_EQ(SpreadCsvText(two), SpreadCsvText(one));
    EXPECT_EQ(SpreadSummary(two), SpreadSummary(one));
    EXPECT_EQ(SpreadCsvText(five), SpreadCsvText(one));
    EXPECT_EQ(SpreadSummary(five), SpreadSummary(one));
    input.Settings.Seed = 2;
    EXPECT_NE(SpreadCsvText(Analyse(input)), SpreadCsvText(one));
}

TEST(Spread, InBlocksOfFrequenciesGivesTheBandOfOneBlock) {
    SpreadInput input = Analysis(kTypicalStage, 1000);
    input.Settings.Limits.UpperEdgeAt = 1E4;
    const SpreadResult whole = Analyse(input);
    input.BandMemory = 50 * 1000 * sizeof(double); // 121 frequencies in blocks of 50
    const SpreadResult blocks = Analyse(input);
    EXPECT_EQ(SpreadCsvText(blocks), SpreadCsvText(whole));
    EXPECT_EQ(SpreadSummary(blocks), SpreadSummary(whole));
}

TEST(Spread, TrialsWhoseOpenLoopGainFallsBelowOneAreCountedAndLeftOut) {
    EnteredParameters typed = kTypicalStage;
    typed[kK0] = 1.5; // ± 50 %: 0.75 … 2.25, a sixth of the trials below 1
    SpreadInput input = Analysis(typed, 2000);
    const SpreadResult r = Analyse(input);
    int64_t below = 0;
    std::vector<double> others; // the gains at the first frequency of the trials that do not fail
    for (uint64_t t = 0; t < 2000; ++t) {
        const EnteredParameters drawn = TrialParameters(typed, input.Settings, t);
        below += drawn[kK0] < 1;
        if (drawn[kK0] >= 1)
            others.push_back(ComplexAbs(StageGain(1, ConvertEntered(drawn))));
    }
    std::sort(others.begin(), others.end());
    EXPECT_GT(below, 250);
    EXPECT_EQ(r.Failed, below);
    ExpectNear(r.BandRatio[0].Min, others.front(), "min");
    ExpectNear(r.BandRatio[0].Median, others[(others.size() + 1) / 2 - 1], "median");
    ExpectNear(r.BandRatio[0].Max, others.back(), "max");
    EXPECT_EQ(r.PeakDecibels.Trials, 2000 - below);
    EXPECT_EQ(FailedTrialsText(r.Failed, 2000, SpreadMode::MonteCarlo),
              "в " + std::to_string(below) + " из 2000 испытаний расчет невозможен");
}

// The typical stage's upper edge lies near 10 kHz (5 … 15 kHz over the trials), its lower one near
// 0.16 Hz: a sweep of 0.01 Hz … 5.3 kHz sees the upper edge of only the trials with f1 far down.
TEST(Spread, AnEdgeBeyondTheSweepCountsAsBeyondItsEndInEveryQuantile) {
    SpreadInput narrow = Analysis(kTypicalStage, 2000);
    narrow.Frequencies = Calculate(kTypicalStage, 0.01, 5300).Frequencies;
    const double end = narrow.Frequencies.back();
    const SpreadResult r = Analyse(narrow);
    // Each trial's edges on the exact model over the same sweep.
    const auto rows = static_cast<int32_t>(narrow.Frequencies.size());
    int64_t under = 0;
    for (uint64_t t = 0; t < 2000; ++t) {
        const StageParameters p =
            ConvertEntered(TrialParameters(kTypicalStage, narrow.Settings, t));
        const auto gain = [&](double f) { return ComplexAbs(StageGain(f, p)); };
        under += FindPeakAndEdges(
                     rows, [&](int32_t i) { return narrow.Frequencies[size_t(i)]; },
                     [&](int32_t i) { return gain(narrow.Frequencies[size_t(i)]); }, gain)
                     .UpperEdge.has_value();
    }
    ASSERT_GT(under, 0);
    ASSERT_LT(under, 100); // fewer than 5 %: the 5 % point lies beyond the sweep
    const PointSpread& upper = r.UpperEdge;
    EXPECT_EQ(upper.Trials, 2000);
    EXPECT_EQ(upper.Beyond, 2000 - under);
    EXPECT_LT(upper.Values.Min, end);
    for (const double v :
         {upper.Values.Low, upper.Values.Median, upper.Values.High, upper.Values.Max})
        EXPECT_EQ(v, std::numeric_limits<double>::infinity());
    EXPECT_EQ(upper.Bounds.Median, end);
    EXPECT_EQ(std::accumulate(upper.Bins.Counts.begin(), upper.Bins.Counts.end(), int64_t{0}),
              under); // the histogram holds the known edges only
    // The bandwidth of a trial whose upper edge lies beyond: more than from its lower edge, near
    // 0.16 Hz, to the sweep's end.
    EXPECT_EQ(r.Bandwidth.Values.Median, std::numeric_limits<double>::infinity());
    EXPECT_NEAR(r.Bandwidth.Bounds.Median, end - 0.16, 0.04);
}

TEST(Spread, ALowerEdgeBelowTheSweepsStartIsBelowItInTheLowestQuantiles) {
    const SpreadResult r = Analyse(Analysis(kTypicalStage, 1000, 2, 0.16));
    ASSERT_GT(r.LowerEdge.Beyond, 50);
    EXPECT_EQ(r.LowerEdge.Values.Min, -std::numeric_limits<double>::infinity());
    EXPECT_EQ(r.LowerEdge.Bounds.Min, r.Frequencies.front());
    EXPECT_LT(r.LowerEdge.Values.Max, 0.2);
}

// Stages "расчет" computes whose gain lies far below 1: their squares, and the trials' arithmetic
// that once formed them, fall below the least double.
struct TinyGainCase {
    const char* name;
    EnteredParameters typed;
};

const TinyGainCase kTinyGains[] = {
    {"InputResistorOfTenToTheMinus160", {1E-160, 1000, 1, 99, 1000, 10, 10, 100, 1, 1, 1E5, 10, 1}},
    {"InputCapacitorOfTenToTheMinus250",
     {100, 1000, 1, 99, 1000, 1E-250, 10, 100, 1, 1, 1E5, 10, 1}},
    {"GainNearTenToTheMinus300", {1E-290, 1000, 1, 99, 1000, 1E-10, 10, 100, 1, 1, 1E5, 10, 1}},
};

class TinyGain : public testing::TestWithParam<TinyGainCase> {};

TEST_P(TinyGain, WithoutTolerancesEveryTrialIsTheNominalStage) {
    SpreadInput input = Analysis(GetParam().typed, 3);
    input.Settings.Tolerances = {};
    const SpreadResult r = Analyse(input);
    EXPECT_EQ(r.Failed, 0);
    ASSERT_EQ(r.BandRatio.size(), r.NominalRatio.size());
    for (size_t j = 0; j < r.NominalRatio.size(); ++j) {
        ExpectNear(r.BandRatio[j].Min, r.NominalRatio[j], "min");
        ExpectNear(r.BandRatio[j].Max, r.NominalRatio[j], "max");
    }
    ExpectNear(r.PeakDecibels.Values.Min, 20 * std::log10(r.NominalPoints.Peak.ratio), "peak");
    EXPECT_EQ(SpreadCsvText(r).find("inf"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Stages, TinyGain, testing::ValuesIn(kTinyGains),
                         [](const auto& info) { return info.param.name; });

// |k| of the nominal at 10 kHz some 140 times the least double: some of the trials with R1 far
// down reach 0, which no gain is.
TEST(Spread, ATrialWhoseGainIsZeroIsOneWhereTheCalculationIsImpossible) {
    EnteredParameters typed = kTypicalStage;
    typed[0] = 1E-319;   // R1 in kΩ
    typed[kC1] = 1.6E-6; // µF
    SpreadInput input = Analysis(typed, 1000);
    input.Frequencies = Calculate(typed, 1E4, 1E5).Frequencies;
    input.Settings.Tolerances = {};
    input.Settings.Tolerances[0] = 99;
    const SpreadResult r = Analyse(input);
    int64_t zero = 0;
    for (uint64_t t = 0; t < 1000; ++t) {
        const StageParameters p = ConvertEntered(TrialParameters(typed, input.Settings, t));
        zero += std::ranges::any_of(input.Frequencies,
                                    [&](double f) { return ComplexAbs(StageGain(f, p)) == 0; });
    }
    ASSERT_GT(zero, 0);
    ASSERT_LT(zero, 1000);
    EXPECT_EQ(r.Failed, zero);
    for (const FiveQuantiles& band : r.BandRatio)
        EXPECT_GT(band.Min, 0);
}

TEST(Spread, WhenEveryTrialFailsItIsRefusedWithTheCount) {
    EnteredParameters typed = kTypicalStage;
    typed[kK0] = 1.01;
    SpreadInput input = Analysis(typed, 100);
    input.Settings.Mode = SpreadMode::Corners;
    input.Settings.Tolerances = {};
    input.Settings.Tolerances[kK0] = 50; // the two corners: 0.505 and 1.515
    input.Settings.Tolerances[kC1] = 1;  // four corners, two below 1
    CancelToken control;
    EXPECT_EQ(RunSpread(input, control).Result->Failed, 2);
    input.Settings.Tolerances[kK0] = 0;
    typed[kK0] = 0.999; // the nominal stage itself: the caller's refusal
    input.Nominal = typed;
    EXPECT_THROW(RunSpread(input, control), FloatingPointError);
}

TEST(Spread, ACancelStopsItPartWayWithoutAResult) {
    SpreadInput input = Analysis(kTypicalStage, 100'000, 2);
    input.Frequencies = Calculate(kTypicalStage, 1, 1E6, 400).Frequencies;
    CancelToken control;
    std::thread canceller([&] {
        while (control.Done == 0)
            std::this_thread::yield();
        control.Cancel = true;
    });
    const SpreadOutcome outcome = RunSpread(input, control);
    canceller.join();
    EXPECT_TRUE(outcome.Cancelled);
    EXPECT_FALSE(outcome.Result);
    EXPECT_LT(control.Done, control.Total / 2);
}

// The help window's reduction, whose edges have closed forms: the lower one 1/(2π·R1∥Rin·C1),
// the upper one f1·(1 + k0·β)/√(k0² − 1), the mid-band gain k0/(1 + k0·β), β = R3/(R3 + R4).
struct SensitivityCase {
    const char* name;
    size_t parameter;
    double Sensitivity::*of;
    double expected;
};

const EnteredParameters kReduced = {100, 1E9, 1, 99, 1E9, 10, 1E-7, 1E9, 1E9, 1E-7, 1E5, 1E9, 1};
// k0·β/(1 + k0·β) with β = 1/100 (Rin open): how much of R4's share the loop keeps.
constexpr double kLoop = 1E3 / (1 + 1E3);

const SensitivityCase kSensitivities[] = {
    {"UpperEdgeMovesWithF1", kF1, nullptr, 1},
    {"LowerEdgeMovesAgainstC1", kC1, nullptr, -1},
    {"GainRisesWithR4", kR4, &Sensitivity::Gain, kLoop * 0.99},
    {"GainFallsWithR3", 2, &Sensitivity::Gain, -kLoop * 0.99},
};

class NominalSensitivity : public testing::TestWithParam<SensitivityCase> {};

TEST_P(NominalSensitivity, FollowsTheClosedForms) {
    const SensitivityCase& c = GetParam();
    // From 0.01 Hz: the lower edge lies near 0.16 Hz.
    SpreadInput input = Analysis(kReduced, 10, 2, 0.01);
    const SpreadResult r = Analyse(input);
    ASSERT_EQ(r.Sensitivities.size(), size_t{kSpreadParameters});
    for (size_t i = 1; i < r.Sensitivities.size(); ++i)
        EXPECT_GE(r.Sensitivities[i - 1].Influence(), r.Sensitivities[i].Influence());
    const auto s =
        std::find_if(r.Sensitivities.begin(), r.Sensitivities.end(),
                     [&](const Sensitivity& s) { return s.Parameter == int(c.parameter); });
    double value = 0;
    if (c.of)
        value = (*s).*c.of;
    else
        value = c.parameter == kF1 ? s->UpperEdge.value_or(0) : s->LowerEdge.value_or(0);
    // The edges lie three decades from each other: each side bends the other's by a thousandth.
    EXPECT_NEAR(value, c.expected, 3E-3);
}

// f1 moves the typical stage's upper edge most of all, but held at 0 % it moves no stage built.
TEST(Spread, RanksThePartsByToleranceTimesSensitivityThePartsHeldLast) {
    SpreadInput input = Analysis(kTypicalStage, 10);
    input.Settings.Tolerances[kF1] = 0;
    const SpreadResult r = Analyse(input);
    const std::vector<Sensitivity>& s = r.Sensitivities;
    ASSERT_EQ(s.size(), size_t{kSpreadParameters});
    EXPECT_EQ(s.back().Parameter, int(kF1));
    EXPECT_TRUE(s.back().Held());
    EXPECT_GT(std::abs(s.back().StrongestValue), std::abs(s.front().StrongestValue));
    EXPECT_EQ(s.front().Influence(),
              std::abs(s.front().StrongestValue) * input.Settings.Tolerances[s.front().Parameter]);
    for (size_t i = 1; i + 1 < s.size(); ++i)
        EXPECT_GE(s[i - 1].Influence(), s[i].Influence());
    EXPECT_EQ(StrongestText(s).find("f1"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cases, NominalSensitivity, testing::ValuesIn(kSensitivities),
                         [](const auto& info) { return info.param.name; });

} // namespace
