#include "app/graph/KeptCurves.h"

#include "FixedWidthText.h"
#include "plot/Chart.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>

namespace {

// Each kept curve's colour stands apart from the current curve, the grid, the window's silver
// background and every other kept curve.
TEST(KeptCurves, PaletteColoursAreFarApart) {
    std::vector<Rgb> others = {kCurveColor, kGridColor, Rgb{192, 192, 192}};
    for (const Rgb c : kKeptCurveColors) {
        for (const Rgb o : others)
            EXPECT_GE(std::hypot(c.Red - o.Red, c.Green - o.Green, c.Blue - o.Blue), 100);
        others.push_back(c);
    }
}

// Changes to the kept curve's input: 0 … 12 the parameters, 13 fmin, 14 fmax, 15 df.
struct LegendCase {
    const char* name;
    std::vector<std::pair<size_t, double>> changes;
    SweepKind sweep;
    const char* line;
};

class LegendLineOf : public testing::TestWithParam<LegendCase> {};

// The current stage: the typical one, swept 10 … 100 Hz in 10 Hz steps.
TEST_P(LegendLineOf, NamesWhatDiffersFromTheCurrentStage) {
    const Stage current{{100, 1000, 1, 99, 1000, 10, 1, 100, 1, 1, 100000, 10, 1}, {10, 100, 10}};
    auto kept = std::make_shared<SweepResult>();
    kept->Entered = current;
    for (const auto& [field, value] : GetParam().changes)
        FieldValue(kept->Entered, static_cast<StageField>(field)) = value;
    kept->Entered.Sweep = GetParam().sweep;
    const KeptCurve curve{kept, {}, {}, {}, {}};
    EXPECT_EQ(LegendLine(2, curve, current, false), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    KeptCurves, LegendLineOf,
    testing::Values(LegendCase{"Same", {}, SweepKind::Linear, "2: как текущая"},
                    LegendCase{"OneParameter", {{3, 150}}, SweepKind::Linear, "2: R4 = 150 кОм"},
                    LegendCase{"SeveralInGridOrder",
                               {{14, 1000}, {11, 1}, {13, -10}, {6, 2.2}},
                               SweepKind::Linear,
                               "2: C2 = 2.2 пФ, Rвх оу = 1 МОм, fнач = -10 Гц, fкон = 1000 Гц"},
                    LegendCase{"Step", {{15, 5}}, SweepKind::Linear, "2: шаг = 5 Гц"},
                    // Ten points per decade against a 10 Hz step: the same number, another sweep.
                    LegendCase{"DecadeSweep", {}, SweepKind::Decade, "2: точек на декаду = 10"}),
    [](const auto& info) { return std::string(info.param.name); });

// Thirteen differences, R3 = 1 кОм first: "1: R3 = 1 кОм, R4 = 2 кОм и ещё 11" is 34 characters.
struct ShortCase {
    const char* name;
    int32_t width; // in characters of 7 pixels
    bool drawable;
    const char* line;
};

class ShortenedLegendLine : public testing::TestWithParam<ShortCase> {};

TEST_P(ShortenedLegendLine, KeepsTheDifferencesThatFitAndCountsTheRest) {
    const Stage current{};
    auto kept = std::make_shared<SweepResult>();
    for (size_t i = 2; i < 13; ++i)
        kept->Entered.Parameters[i] = double(i - 1);
    kept->Entered.SweepFields[0] = 5;
    kept->Entered.SweepFields[1] = 7;
    const KeptCurve curve{kept, {}, {}, {}, {}};
    const TextWidth sevenPixels = [](std::string_view text) { return FixedWidth(text); };
    const std::string line =
        // Over log f a curve without log10 frequencies is not drawn.
        LegendLine(1, curve, current, !GetParam().drawable, 7 * GetParam().width, sevenPixels);
    EXPECT_EQ(line, GetParam().line);
    EXPECT_LE(sevenPixels(line), 7 * GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(
    KeptCurves, ShortenedLegendLine,
    testing::Values(ShortCase{"TwoAndTheCount", 34, true, "1: R3 = 1 кОм, R4 = 2 кОм и ещё 11"},
                    ShortCase{"OneAndTheCount", 33, true, "1: R3 = 1 кОм и ещё 12"},
                    ShortCase{"NotDrawnKeepsItsMark", 45, false,
                              "1: R3 = 1 кОм и ещё 12 — не рисуется в дБ"},
                    ShortCase{"CutWhereEvenOneDoesNotFit", 12, true, "1: R3 = 1 к…"}),
    [](const auto& info) { return std::string(info.param.name); });

// A result whose computed rows start at `first` Hz.
SharedResult Rows(double first, int32_t computed) {
    auto s = std::make_shared<SweepResult>();
    s->Frequencies = {first, first + 1, first + 2};
    s->Ratio = {1, 2, 3};
    s->Decibels = {0, 6, 9.5};
    s->Computed = computed;
    return s;
}

TEST(KeptCurves, SixAreKeptAndEachMoreTakesTheOldestPlace) {
    KeptCurves kept;
    EXPECT_FALSE(KeptCurves::CanRemember(*Rows(1, 1)));
    kept.Remember(Rows(1, 1));
    EXPECT_TRUE(kept.Curves().empty());
    for (int i = 1; i <= 8; ++i)
        kept.Remember(Rows(i, i == 8 ? 2 : 3));
    std::vector<double> firsts;
    for (const KeptCurve& curve : kept.Curves())
        firsts.push_back(curve.Frequencies.front());
    EXPECT_EQ(firsts, (std::vector<double>{7, 8, 3, 4, 5, 6}));
    EXPECT_EQ(kept.Curves()[1].Frequencies.size(), 2u); // the computed rows only
    EXPECT_TRUE(kept.CanForget());
    kept.Forget();
    EXPECT_FALSE(kept.CanForget());
}

} // namespace
