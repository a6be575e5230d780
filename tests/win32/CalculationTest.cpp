#include "Win32WindowDriver.h"
#include "WindowTestHelpers.h"
#include "app/texts/CalculationTexts.h"
#include "app/texts/Texts.h"
#include "numerics/Rounding.h"
#include "tests/driver/GraphBehaviours.h"
#include "tests/driver/MainWindowBehaviours.h"
#include "tests/driver/RandomUse.h"
#include "tests/driver/SpreadBehaviours.h"

#include <cstdio>
#include <cstdlib>

namespace {

using Id = MainControlName;

// "расчет" and what the user does around it, through the controls.
class Calculation : public ProgramTest {
  protected:
    void Calculate() { Click(Control(Id::BuRas)); }
    bool GraphEnabled() { return IsWindowEnabled(Control(Id::Button1)) != FALSE; }
    // What the table shows of a gain, from the series the calculation left.
    static std::string Shown(double gain) {
        return NumberToText(RoundSignificant(ResultTable::kSignificantDigits, gain));
    }
};

// What every front's windows must do (tests/driver), over this one's controls.
class Behaves : public ProgramTest,
                public testing::WithParamInterface<main_window_behaviours::Behaviour> {};

TEST_P(Behaves, AsEveryFrontMust) {
    Win32WindowDriver driver(*windows, boxes);
    const Findings found = GetParam().Run(driver);
    EXPECT_TRUE(found.All().empty()) << found.Joined();
}

const auto kBehaviourName = [](const auto& info) { return std::string(info.param.Name); };
INSTANTIATE_TEST_SUITE_P(MainWindow, Behaves,
                         testing::ValuesIn(main_window_behaviours::kMainWindowBehaviours),
                         kBehaviourName);
INSTANTIATE_TEST_SUITE_P(GraphWindow, Behaves,
                         testing::ValuesIn(graph_behaviours::kGraphBehaviours), kBehaviourName);
INSTANTIATE_TEST_SUITE_P(Analyses, Behaves, testing::ValuesIn(spread_behaviours::kSpreadBehaviours),
                         kBehaviourName);

// A seeded random walk keeps the rules app/ decides (tests/driver/RandomUse.h); OU_RANDOM_SEED and
// OU_RANDOM_STEPS choose another walk, as scripts/random-use.sh does.
TEST_F(Calculation, RandomUseKeepsTheRules) {
    const char* seed = std::getenv("OU_RANDOM_SEED");
    const char* steps = std::getenv("OU_RANDOM_STEPS");
    Win32WindowDriver driver(*windows, boxes);
    RandomUse walk(driver, seed != nullptr ? std::strtoull(seed, nullptr, 10) : 1);
    const Findings found = walk.Walk(steps != nullptr ? std::atoi(steps) : 2000);
    EXPECT_TRUE(found.All().empty()) << found.Joined();
    std::printf("%s\n", walk.Summary().c_str());
}

TEST_F(Calculation, TheSameNumbersAsTheCommandWithoutWindows) {
    TypeCircuit(kTypicalStage, "10", "100000", "1000");
    Calculate();
    ASSERT_EQ(ResultRowCount(), 102);
    EXPECT_EQ(ResultCell(0, 101), "100000");
    // The window's table shows what the calculation computed, row by row.
    const SweepResult& state = Main().Result();
    for (int row = 1; row <= 101; row += 25)
        EXPECT_EQ(ResultCell(1, row), Shown(state.Ratio[static_cast<size_t>(row - 1)]));
    EXPECT_EQ(ResultCell(1, 1), "99.996");
    EXPECT_EQ(ResultCell(2, 1), "40");
}

TEST_F(Calculation, ResetEmptiesACellBeingEdited) {
    TypeIntoCell(Main().ParameterGrid(), 1, 2, "47", false);
    Click(Control(Id::Button3));
    EXPECT_EQ(Main().CellText(1, 2), "");
    if (Main().ParameterGrid().Editing()) {
        EXPECT_EQ(Text(Main().ParameterGrid().Editor()), "");
    }
}

struct Refusal {
    const char* name;
    int row;  // the parameter row made zero, or 0 for a sweep field
    int edit; // the sweep field given `value`, when row is 0
    const char* value;
    const char* message;
};

class Refusals : public Calculation, public testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, ShowTheirMessageAndKeepTheTable) {
    TypeCircuit(kTypicalStage, "10", "100", "10");
    Calculate();
    const std::string before = ResultCell(1, 5);
    const Refusal& r = GetParam();
    if (r.row != 0)
        TypeIntoCell(Main().ParameterGrid(), 1, r.row, r.value);
    else
        TypeInto(Control(r.edit), r.value);
    // Typing a parameter clears the table; a sweep field does not.
    const std::string kept = r.row != 0 ? "" : before;
    Calculate();
    EXPECT_EQ(boxes.messages, std::vector<std::string>{r.message});
    boxes.messages.clear();
    EXPECT_EQ(ResultCell(1, 5), kept);
    EXPECT_EQ(ResultRowCount(), 11);
}

INSTANTIATE_TEST_SUITE_P(
    Input, Refusals,
    testing::Values(Refusal{"R1", 1, 0, "0", "что, в самом деле вход закорочен?"},
                    Refusal{"R3", 3, 0, "0", "что, в самом деле вход закорочен?"},
                    Refusal{"C1", 6, 0, "0", "через С1=0 сигнал не пройдет"},
                    Refusal{"k0", 11, 0, "abc", "сколько-сколько К усиления?.."},
                    Refusal{"Rin", 12, 0, "0", "Rвх=0?.. Маловато будет"},
                    Refusal{"f1", 13, 0, "0", "f1=0?.. Так не бывает"},
                    Refusal{"Start", 0, ControlId(Id::EdOt), "0", "fнач=0?..Хотя бы 0.1 Гц"},
                    Refusal{"End", 0, ControlId(Id::EdDo), "", "fкон=0?..Нельзя"},
                    Refusal{"EmptyStep", 0, ControlId(Id::EdDf), "", "шаг f=0?..нельзя"},
                    Refusal{"NegativeStep", 0, ControlId(Id::EdDf), "-5", "шаг f=-5?..нельзя"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST_F(Calculation, RefusedEntryShowsInNormalForm) {
    TypeCircuit(kTypicalStage, "10", "100", "");
    Calculate();
    EXPECT_EQ(boxes.messages, std::vector<std::string>{"шаг f=0?..нельзя"});
    boxes.messages.clear();
    EXPECT_EQ(Text(Control(Id::EdDf)), "0");
}

// A decade sweep's frequency longer than its column ends in "…", its whole text in a tooltip over
// the cell; the table, and so the copy, keeps the whole number.
TEST_F(Calculation, CutCellEndsInAMarkWithItsWholeTextInATooltip) {
    SendMessageW(Main().Handle(), WM_COMMAND,
                 MAKEWPARAM(MenuItem(Main().Handle(), kDecadeSweepCommand), 0), 0);
    TypeCircuit(kTypicalStage, "10", "100000", "3");
    Calculate();
    ASSERT_EQ(ResultCell(0, 2), "21.5443469003188");
    Grid& grid = Main().ResultGrid();
    EXPECT_TRUE(grid.Shown(0, 2).Text.ends_with("…"));
    const RECT cell = grid.CellRect(0, 2);
    SendMessageW(grid.Handle(), WM_MOUSEMOVE, 0,
                 MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
    EXPECT_EQ(grid.CellTip(), "21.5443469003188");
}

TEST_F(Calculation, DoubleClickOnTheWindowDoesNothing) {
    SendMessageW(Main().Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(420, 20));
    EXPECT_EQ(ResultRowCount(), 5);
    EXPECT_TRUE(boxes.messages.empty());
}

} // namespace
