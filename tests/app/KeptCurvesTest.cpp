#include "app/KeptCurves.h"

#include "FakeCalcWindow.h"
#include "app/CalculationCommand.h"
#include "plot/mGraf.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

double Distance(Rgb a, Rgb b) {
    return std::hypot(a.Red - b.Red, a.Green - b.Green, a.Blue - b.Blue);
}

// Each kept curve's colour stands apart from the current curve, the grid, the window's silver
// background and every other kept curve.
TEST(KeptCurves, PaletteColoursAreFarApart) {
    constexpr Rgb kSilver{192, 192, 192};
    for (size_t i = 0; i < kKeptCurveColors.size(); ++i) {
        for (const Rgb other : {kCurveColor, kGridColor, kSilver})
            EXPECT_GE(Distance(kKeptCurveColors[i], other), 100) << i;
        for (size_t j = 0; j < i; ++j)
            EXPECT_GE(Distance(kKeptCurveColors[i], kKeptCurveColors[j]), 100) << i << " " << j;
    }
}

// The current stage: the typical one of the calculation tests, swept 10 … 100 Hz in 10 Hz steps.
EnteredInput Current() {
    return {
        {100, 1000, 1, 99, 1000, 10, 1, 100, 1, 1, 100000, 10, 1}, SweepKind::Linear, 10, 100, 10};
}

struct LegendCase {
    const char* name;
    void (*change)(EnteredInput& kept);
    bool drawableInDecibels;
    const char* line;
};

class LegendLineOf : public testing::TestWithParam<LegendCase> {};

TEST_P(LegendLineOf, NamesWhatDiffersFromTheCurrentStage) {
    KeptCurve curve{Current(), {}, {}, {}, {}};
    GetParam().change(curve.Input);
    if (GetParam().drawableInDecibels)
        curve.LogFrequencies = {1};
    EXPECT_EQ(LegendLine(2, curve, Current(), true), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    KeptCurves, LegendLineOf,
    testing::Values(LegendCase{"Same", [](EnteredInput&) {}, true, "2: как текущая"},
                    LegendCase{"OneParameter", [](EnteredInput& k) { k.Parameters[3] = 150; }, true,
                               "2: R4 = 150 кОм"},
                    LegendCase{"SeveralInGridOrder",
                               [](EnteredInput& k) {
                                   k.Parameters[11] = 1;
                                   k.Parameters[6] = 2.2;
                                   k.fmax = 1000;
                               },
                               true, "2: C2 = 2.2 пФ, Rвх оу = 1 МОм, fкон = 1000 Гц"},
                    LegendCase{"Step", [](EnteredInput& k) { k.df = 5; }, true, "2: шаг = 5 Гц"},
                    // Ten points per decade against a 10 Hz step: the same number, another sweep.
                    LegendCase{"DecadeSweep", [](EnteredInput& k) { k.Sweep = SweepKind::Decade; },
                               true, "2: точек на декаду = 10"},
                    LegendCase{"NotDrawable", [](EnteredInput& k) { k.fmin = -10; }, false,
                               "2: fнач = -10 Гц — не рисуется в дБ"}),
    [](const auto& info) { return std::string(info.param.name); });

// Curve of a state whose computed rows start at `first` Hz.
CalcState Rows(double first, int32_t computed = 3) {
    CalcState s;
    s.Frequencies = {first, first + 1, first + 2};
    s.Ratio = {1, 2, 3};
    s.Decibels = {0, 6, 9.5};
    s.Count = 3;
    s.Computed = computed;
    return s;
}

TEST(KeptCurves, SixAreKeptAndEachMoreTakesTheOldestPlace) {
    KeptCurves kept;
    EXPECT_FALSE(kept.CanForget());
    EXPECT_FALSE(KeptCurves::CanRemember(Rows(1, 1)));
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

// A curve kept from a calculation names the value it was computed with, not one typed since.
TEST(KeptCurves, RemembersWhatTheCalculationRead) {
    CalcState state;
    FakeCalcWindow window(state);
    window.Type({"100", "1000", "1", "99", "1000", "10", "1", "100", "1", "1", "100000", "10", "1"},
                "10", "100", "10");
    BuRasClick(window, state);
    KeptCurves kept;
    kept.Remember(state);
    window.grid[4][1] = "150";
    BuRasClick(window, state);
    window.grid[4][1] = "0";
    window.edits[2] = "0";
    BuRasClick(window, state); // refused: the rows shown are still those of R4 = 150 kΩ
    EXPECT_EQ(LegendLine(1, kept.Curves()[0], state.Entered, false), "1: R4 = 99 кОм");
}

} // namespace
