#include "app/graph/CharacteristicPoints.h"

#include "CalculatingForm.h"
#include "numerics/FloatError.h"
#include "numerics/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// The parameters as typed, in the units of entry.
struct Typed {
    long double R1, R2, R3, R4, R5; // kΩ
    long double C1;                 // µF
    long double C2;                 // pF
    long double C3;                 // µF
    long double C4, C5;             // pF
    long double k0;
    long double Rin; // MΩ
    long double f1;  // MHz

    std::array<std::string, 13> Texts() const {
        std::array<std::string, 13> texts;
        const long double values[] = {R1, R2, R3, R4, R5, C1, C2, C3, C4, C5, k0, Rin, f1};
        for (size_t i = 0; i < texts.size(); ++i)
            texts[i] = NumberToText(static_cast<double>(values[i]));
        return texts;
    }

    // The help window's reduction: R2 and R5 open (1E9 kΩ), C3 and C4 shorts (1E9), C2 and C5
    // gone (1E-7 pF). What is left is the input high-pass (R1 ∥ Rin)·C1 and a resistive
    // feedback divider around a single-pole amplifier, whose closed forms follow.
    long double Parallel(long double a, long double b) const { return a * b / (a + b); }
    long double LowCorner() const { // Hz
        return 1 / (2 * 3.14159265358979323846L * Parallel(R1 * 1E3L, Rin * 1E6L) * C1 * 1E-6L);
    }
    long double Feedback() const { // β of the divider, R2 and R5 still in parallel
        const long double ground = Parallel(Parallel(R3 * 1E3L, Rin * 1E6L), R2 * 1E3L);
        return ground / (ground + Parallel(R4 * 1E3L, R5 * 1E3L));
    }
    // The closed-loop pole: the open-loop gain k0 / (1 + j·f·√(k0² − 1)/f1) around β.
    long double HighCorner() const { // Hz
        return f1 * 1E6L * (1 + k0 * Feedback()) / std::sqrt(k0 * k0 - 1);
    }
    long double MidbandGain() const { return k0 / (1 + k0 * Feedback()); }
};

Typed Reduced(long double R1, long double R3, long double R4, long double C1, long double k0,
              long double Rin, long double f1) {
    return {R1, 1E9L, R3, R4, 1E9L, C1, 1E-7L, 1E9L, 1E9L, 1E-7L, k0, Rin, f1};
}

class CharacteristicPointsOf : public testing::Test, public CalculatingForm {
  protected:
    CharacteristicPoints Calculate(const Typed& stage, const std::string& from,
                                   const std::string& to, const std::string& step) {
        window.Type(stage.Texts(), from, to, step);
        Press();
        EXPECT_TRUE(window.messages.empty());
        const auto points = FindCharacteristicPoints(form.Result());
        EXPECT_TRUE(points.has_value());
        return points.value_or(CharacteristicPoints{});
    }
};

void ExpectClose(long double got, long double expected, long double relative) {
    EXPECT_LE(std::fabs(got - expected), relative * std::fabs(expected))
        << "got " << static_cast<double>(got) << ", expected " << static_cast<double>(expected);
}

// An ideal amplifier: over a wide sweep the gain rises to the end, and the only edge is the
// input high-pass.
TEST_F(CharacteristicPointsOf, HighPassStageHasItsCornerAsTheLowerEdge) {
    const Typed stage = Reduced(10, 1, 99, 1, 1E12L, 10, 1E9L);
    const CharacteristicPoints p = Calculate(stage, "1", "1000000", "100");
    EXPECT_EQ(p.PeakFrequency, 1E6); // the maximum lies at the end of the range
    ExpectClose(p.PeakRatio, stage.MidbandGain(), 1E-9L);
    ASSERT_TRUE(p.LowerEdge.has_value());
    ExpectClose(*p.LowerEdge, stage.LowCorner(), 1E-9L);
    EXPECT_FALSE(p.UpperEdge.has_value());
}

// A moderate unity-gain frequency: the gain falls from the start of the range, and the only
// edge is the closed-loop pole.
TEST_F(CharacteristicPointsOf, LowPassStageHasItsClosedLoopPoleAsTheUpperEdge) {
    const Typed stage = Reduced(1000, 1, 99, 1E6L, 1E5L, 10, 1);
    const CharacteristicPoints p = Calculate(stage, "1", "100000", "10");
    EXPECT_EQ(p.PeakFrequency, 1);
    ExpectClose(p.PeakRatio, stage.MidbandGain(), 1E-8L);
    EXPECT_FALSE(p.LowerEdge.has_value());
    ASSERT_TRUE(p.UpperEdge.has_value());
    ExpectClose(*p.UpperEdge, stage.HighCorner(), 1E-7L);
}

// Both corners: |k| = K / √((1 + (fl/f)²)(1 + (f/fh)²)), largest at √(fl·fh), where it is
// K / (1 + fl/fh); with r = fl/fh the −3 dB points are the roots u = f² of
// u² − (1 + 4r + r²)·fh²·u + fl²·fh² = 0.
TEST_F(CharacteristicPointsOf, BandPassStageMatchesItsClosedForm) {
    const Typed stage = Reduced(10, 1, 99, 0.159, 1E5L, 10, 1);
    const CharacteristicPoints p = Calculate(stage, "10", "100000", "10");
    const long double fl = stage.LowCorner(), fh = stage.HighCorner(), r = fl / fh;
    // The top is flat: |k| there changes by about 2r·δ² for a relative step δ, so rounding in
    // the model leaves its frequency known to fewer digits than its height.
    ExpectClose(p.PeakFrequency, std::sqrt(fl * fh), 1E-6L);
    ExpectClose(p.PeakRatio, stage.MidbandGain() / (1 + r), 1E-10L);
    ExpectClose(p.PeakDecibels, 20 * std::log10(stage.MidbandGain() / (1 + r)), 1E-10L);
    const long double b = (1 + 4 * r + r * r) * fh * fh;
    const long double root = std::sqrt(b * b - 4 * fl * fl * fh * fh);
    ASSERT_TRUE(p.LowerEdge.has_value());
    ASSERT_TRUE(p.UpperEdge.has_value());
    ExpectClose(*p.LowerEdge, std::sqrt((b - root) / 2), 1E-9L);
    ExpectClose(*p.UpperEdge, std::sqrt((b + root) / 2), 1E-9L);
}

TEST_F(CharacteristicPointsOf, RefusedCalculationLeavesThePointsOfTheLastOne) {
    const Typed stage = Reduced(100, 1, 99, 10, 1E5, 10, 1);
    const CharacteristicPoints before = Calculate(stage, "1", "100000", "100");
    // Retyped and refused at the input resistance: R1 … k0 now hold what was typed, while the
    // rows and the graph still show the last calculation.
    window.grid[4][1] = "1";
    window.grid[12][1] = "0";
    Press();
    ASSERT_EQ(window.messages.size(), 1u);
    const auto after = FindCharacteristicPoints(form.Result());
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->PeakFrequency, before.PeakFrequency);
    EXPECT_EQ(after->PeakRatio, before.PeakRatio);
    EXPECT_EQ(after->LowerEdge, before.LowerEdge);
    EXPECT_EQ(after->UpperEdge, before.UpperEdge);
}

TEST_F(CharacteristicPointsOf, NothingBeforeAnyRowIsComputed) {
    EXPECT_FALSE(FindCharacteristicPoints(form.Result()).has_value());
    Calculate(Reduced(10, 1, 99, 0.159, 1E5L, 10, 1), "10", "1000", "10");
    SweepResult state = form.Result();
    state.Computed = 0;
    EXPECT_FALSE(FindCharacteristicPoints(state).has_value());
}

TEST_F(CharacteristicPointsOf, FloatingPointErrorOfTheModelPropagates) {
    Calculate(Reduced(10, 1, 99, 0.159, 1E5L, 10, 1), "10", "1000", "10");
    // Samples as if the gain had risen from −10 Hz to 10 Hz: bisecting between them evaluates
    // the coupling capacitor at 0 Hz.
    SweepResult state = form.Result();
    state.Frequencies = {-10, 10};
    state.Ratio = {1E-3, 100};
    state.Decibels = {-60, 40};
    state.Computed = 2;
    try {
        FindCharacteristicPoints(state);
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
}

// A typical stage: a band from about 11 Hz to 91 kHz around a peak near 1.1 kHz.
const Typed kTypicalStage = {100, 10, 10, 100, 10, 1, 10, 1, 10, 10, 1E5L, 1, 1};

struct SweepCase {
    const char* name;
    const char* from;
    const char* to;
    const char* step;
    bool lower, upper; // whether some sample on that side falls under the level
};

class EdgesOfTheTypicalStage : public CharacteristicPointsOf,
                               public testing::WithParamInterface<SweepCase> {};

// However coarse the sweep, an edge is where the model crosses the level, the same as a fine
// sweep finds it: a sample beyond the peak or beyond a crossing changes nothing. A side has an
// edge only where the gain falls that far within the sweep.
TEST_P(EdgesOfTheTypicalStage, AreThoseOfAFineSweep) {
    const SweepCase& c = GetParam();
    const CharacteristicPoints fine = Calculate(kTypicalStage, "1", "200000", "10");
    const CharacteristicPoints p = Calculate(kTypicalStage, c.from, c.to, c.step);
    ExpectClose(p.PeakRatio, fine.PeakRatio, 1E-12L);
    ASSERT_EQ(p.LowerEdge.has_value(), c.lower);
    ASSERT_EQ(p.UpperEdge.has_value(), c.upper);
    if (c.lower)
        ExpectClose(*p.LowerEdge, *fine.LowerEdge, 1E-9L);
    if (c.upper)
        ExpectClose(*p.UpperEdge, *fine.UpperEdge, 1E-9L);
}

INSTANTIATE_TEST_SUITE_P(
    CharacteristicPoints, EdgesOfTheTypicalStage,
    testing::Values(SweepCase{"LargestSampleBeyondTheUpperEdge", "1", "500001", "250000", true,
                              true},
                    SweepCase{"PeakBeyondTheFirstSample", "10", "1000000", "400000", true, true},
                    SweepCase{"InsideTheBand", "20", "50000", "100", false, false},
                    SweepCase{"CoarseFromInsideTheBand", "20", "1000020", "500000", false, true},
                    SweepCase{"UpToInsideTheBand", "1", "50001", "250", true, false}),
    [](const auto& info) { return info.param.name; });

struct TextCase {
    const char* name;
    bool comma;
    CharacteristicPoints points;
    const char* text;
};

class CharacteristicPointsText_ : public testing::TestWithParam<TextCase> {};

TEST_P(CharacteristicPointsText_, ReadsAsTheMessageBoxShowsIt) {
    if (GetParam().comma)
        SetDecimalSeparatorSource([] { return U','; });
    EXPECT_EQ(CharacteristicPointsText(GetParam().points), GetParam().text);
    SetDecimalSeparatorSource(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    CharacteristicPoints, CharacteristicPointsText_,
    testing::Values(TextCase{"BothEdges",
                             false,
                             {1234.5678, 21.089212, 26.481234, 15.915494, 98765.43},
                             "Максимум: |k| = 21.0892 (26.4812 дБ) при f = 1234.57 Гц\n"
                             "Нижняя граница −3 дБ: 15.9155 Гц\n"
                             "Верхняя граница −3 дБ: 98765 Гц\n"
                             "Полоса: 98750 Гц"},
                    TextCase{"BothEdgesUnderAComma",
                             true,
                             {1234.5678, 21.089212, 26.481234, 15.915494, 987.6543},
                             "Максимум: |k| = 21,0892 (26,4812 дБ) при f = 1234,57 Гц\n"
                             "Нижняя граница −3 дБ: 15,9155 Гц\n"
                             "Верхняя граница −3 дБ: 987,65 Гц\n"
                             "Полоса: 971,74 Гц"},
                    TextCase{"NoLowerEdge",
                             false,
                             {10, 0.5, -6.0205999, std::nullopt, 98765.43},
                             "Максимум: |k| = 0.5 (-6.0206 дБ) при f = 10 Гц\n"
                             "Нижняя граница −3 дБ: нет в диапазоне\n"
                             "Верхняя граница −3 дБ: 98765 Гц"},
                    TextCase{"NoEdges",
                             false,
                             {1E6, 100, 40, std::nullopt, std::nullopt},
                             "Максимум: |k| = 100 (40 дБ) при f = 1000000 Гц\n"
                             "Нижняя граница −3 дБ: нет в диапазоне\n"
                             "Верхняя граница −3 дБ: нет в диапазоне"}),
    [](const auto& info) { return info.param.name; });

} // namespace
