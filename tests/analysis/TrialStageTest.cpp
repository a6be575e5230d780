#include "analysis/TrialStage.h"

#include "SpreadTestStages.h"
#include "numerics/FloatError.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

struct StageCase {
    const char* name;
    EnteredParameters typed;
    OpAmpPhase phase = OpAmpPhase::Leading;
};

const StageCase kStages[] = {
    {"Typical", kTypicalStage},
    // The help window's reduction: R2 and R5 open, C3 and C4 shorts, C2 and C5 gone.
    {"HelpReduction", {100, 1E9, 1, 99, 1E9, 10, 1E-7, 1E9, 1E9, 1E-7, 1E5, 10, 1}},
    // Reactive legs that shape the response: a peak and a shelf.
    {"ShapedLegs", {47, 3.3, 2.2, 150, 10, 0.47, 220, 4.7, 1500, 33, 2E5, 1, 3}},
    // Values the calculation accepts though no one builds them: a negative resistor, k0 = 1.
    {"NegativeR2", {10, -0.5, 1, 10, 1, 1, 100, 1, 10, 10, 1, 0.5, 10}},
    {"SlowAmplifier", {1000, 1, 10, 10, 1, 100, 1E4, 0.01, 1E4, 1E3, 2E3, 100, 0.001}},
    // A real amplifier's lagging pole: the sign of its slope in the fast arithmetic.
    {"ShapedLegsLagging",
     {47, 3.3, 2.2, 150, 10, 0.47, 220, 4.7, 1500, 33, 2E5, 1, 3},
     OpAmpPhase::Lagging},
};

class TrialStageOf : public testing::TestWithParam<StageCase> {};

TEST_P(TrialStageOf, ConvertsAsTheCalculationDoesToTheLastBit) {
    const StageParameters mine = ConvertEntered(GetParam().typed);
    const StageParameters calculation = Calculate(GetParam().typed).Swept;
    const double StageParameters::*fields[] = {
        &StageParameters::R1, &StageParameters::R2, &StageParameters::R3, &StageParameters::R4,
        &StageParameters::R5, &StageParameters::C1, &StageParameters::C2, &StageParameters::C3,
        &StageParameters::C4, &StageParameters::C5, &StageParameters::k0, &StageParameters::f1};
    for (const auto field : fields)
        EXPECT_EQ(mine.*field, calculation.*field);
}

TEST_P(TrialStageOf, FastGainsAgreeWithTheExactModelTo1e12) {
    const StageParameters stage = ConvertEntered(GetParam().typed, GetParam().phase);
    std::vector<double> f, omega, fast;
    for (int i = 0; i <= 500; ++i) // 0.01 Hz … 100 MHz
        f.push_back(std::pow(10.0, -2 + i / 50.0));
    omega.resize(f.size());
    fast.resize(f.size());
    AngularFrequencies(f.data(), f.size(), omega.data());
    ClearFloatFlags();
    EXPECT_TRUE(FastGains(FastStage(stage), f.data(), omega.data(), f.size(), fast.data()));
    EXPECT_FALSE(FloatFlagRaised());
    double worst = 0;
    for (size_t j = 0; j < f.size(); ++j) {
        const double exact = ComplexAbs(StageGain(f[j], stage));
        worst = std::max(worst, std::abs(fast[j] - exact) / exact);
        EXPECT_EQ(FastGain(FastStage(stage), f[j]), fast[j]) << f[j];
    }
    EXPECT_LT(worst, 1E-12);
}

INSTANTIATE_TEST_SUITE_P(Stages, TrialStageOf, testing::ValuesIn(kStages),
                         [](const auto& info) { return info.param.name; });

TEST(FastGains, AnOpenLoopGainBelowOneRaisesTheFlagsAsTheExactModelThrows) {
    EnteredParameters typed = kTypicalStage;
    typed[10] = 0.9;
    const StageParameters stage = ConvertEntered(typed);
    ClearFloatFlags();
    FastGain(FastStage(stage), 1000);
    EXPECT_TRUE(FloatFlagRaised());
    ClearFloatFlags();
    EXPECT_THROW(StageGain(1000, stage), FloatingPointError);
}

// Where a square loses its digits the gains are formed again: an R1·C1 of 1e-162 s (|k| near
// 1e-160) keeps every digit scaled; legs' admittances near 1e-158 S need the exact model.
TEST(FastGains, SayWhenASquareHasLostItsDigits) {
    EnteredParameters typed = kTypicalStage;
    typed[0] = 1E-160;
    const StageParameters tiny = ConvertEntered(typed),
                          legs = ConvertEntered({100, 1000, 1E155, 1E155, 1000, 10, 1E-155, 1E-155,
                                                 1E-155, 1E-155, 1E5, 1E155, 1});
    const double f = 1000, omega = 2 * std::numbers::pi * f, exact = ComplexAbs(StageGain(f, tiny));
    double ratio = 0;
    EXPECT_FALSE(FastGains(FastStage(tiny), &f, &omega, 1, &ratio));
    EXPECT_TRUE(FastGains(FastStage(tiny), &f, &omega, 1, &ratio, true));
    EXPECT_NEAR(ratio, exact, 1E-14 * exact);
    EXPECT_EQ(FastGain(FastStage(tiny), f), ratio);
    EXPECT_FALSE(FastGains(FastStage(legs), &f, &omega, 1, &ratio, true));
    EXPECT_TRUE(std::isnan(FastGain(FastStage(legs), f)));
}

SpreadSettings Varying(std::initializer_list<int> parameters, Distribution shape,
                       SpreadMode mode = SpreadMode::MonteCarlo) {
    SpreadSettings settings;
    settings.Tolerances = {};
    for (const int i : parameters)
        settings.Tolerances[static_cast<size_t>(i)] = 5;
    settings.Shape = shape;
    settings.Mode = mode;
    return settings;
}

TEST(TrialFractions, UniformFillsEveryTenthOfTheRangeEvenly) {
    const SpreadSettings settings = Varying({3}, Distribution::Uniform);
    int tenths[10] = {};
    constexpr int kTrials = 100'000;
    for (int t = 0; t < kTrials; ++t) {
        const EnteredParameters x = TrialFractions(settings, static_cast<uint64_t>(t));
        ASSERT_GT(x[3], -1);
        ASSERT_LT(x[3], 1);
        ASSERT_EQ(std::count(x.begin(), x.end(), 0.0), kSpreadParameters - 1);
        ++tenths[static_cast<int>((x[3] + 1) * 5)];
    }
    for (const int count : tenths) // 10000 each, σ = 95
        EXPECT_NEAR(count, kTrials / 10, 500);
}

TEST(TrialFractions, NormalHasAThirdOfTheToleranceAsSigmaCutAtTheEnds) {
    const SpreadSettings settings = Varying({0, 12}, Distribution::Normal);
    double sum = 0, squares = 0, inner = 0;
    constexpr int kTrials = 100'000;
    for (int t = 0; t < kTrials; ++t) {
        const double x = TrialFractions(settings, static_cast<uint64_t>(t))[12];
        ASSERT_LE(std::abs(x), 1);
        sum += x;
        squares += x * x;
        inner += std::abs(x) <= 1.0 / 3;
    }
    EXPECT_NEAR(sum / kTrials, 0, 0.005);
    // σ of a normal cut at ±3σ is 0.9865σ; 68.4 % of it lies within ±σ.
    EXPECT_NEAR(std::sqrt(squares / kTrials), 0.9865 / 3, 0.004);
    EXPECT_NEAR(inner / kTrials, 0.6844, 0.005);
}

TEST(TrialFractions, CornersTakeTheEndsOfTheTolerancedParametersByTheTrialsBits) {
    const SpreadSettings settings = Varying({3, 7}, Distribution::Uniform, SpreadMode::Corners);
    const double ends[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    for (uint64_t t = 0; t < 4; ++t) {
        const EnteredParameters x = TrialFractions(settings, t);
        EXPECT_EQ(x[3], ends[t][0]) << t;
        EXPECT_EQ(x[7], ends[t][1]) << t;
        EXPECT_EQ(std::count(x.begin(), x.end(), 0.0), kSpreadParameters - 2);
    }
}

TEST(TrialFractions, ATrialsValuesDependOnItsKeyAloneNotOnWhatWasDrawnBefore) {
    const SpreadSettings settings = Varying({0, 1, 2, 3, 4, 5, 10}, Distribution::Normal);
    const EnteredParameters first = TrialFractions(settings, 41);
    for (uint64_t t = 0; t < 41; ++t)
        TrialFractions(settings, t);
    EXPECT_EQ(TrialFractions(settings, 41), first);
    // Each part of the key changes the word.
    const uint64_t word = StreamWord(1, 41, 3, 0);
    EXPECT_NE(StreamWord(2, 41, 3, 0), word);
    EXPECT_NE(StreamWord(1, 42, 3, 0), word);
    EXPECT_NE(StreamWord(1, 41, 4, 0), word);
    EXPECT_NE(StreamWord(1, 41, 3, 1), word);
}

} // namespace
