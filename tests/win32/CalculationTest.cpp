#include "WindowTestHelpers.h"
#include "app/texts/CalculationTexts.h"
#include "app/texts/Texts.h"
#include "numerics/Rounding.h"

namespace {

namespace Id = Form1Controls;

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

TEST_F(Calculation, TypedStageFillsTheTable) {
    TypeCircuit(kTypicalStage, "100", "1000", "100");
    Calculate();
    ASSERT_EQ(ResultRowCount(), 11);
    const SweepResult& state = Main().Result();
    for (int row = 1; row <= 10; ++row) {
        const auto i = static_cast<size_t>(row - 1);
        EXPECT_EQ(ResultCell(0, row), std::to_string(row * 100));
        EXPECT_EQ(ResultCell(1, row), Shown(state.Ratio[i]));
        EXPECT_EQ(ResultCell(2, row), Shown(state.Decibels[i]));
        // A stage of gain 100 at low frequencies.
        EXPECT_GT(state.Ratio[i], 98);
        EXPECT_LT(state.Ratio[i], 101);
    }
    EXPECT_TRUE(GraphEnabled());
    // Every entry is rewritten in normal form.
    EXPECT_EQ(Main().CellText(1, 11), "100000");
    EXPECT_EQ(Text(Control(Id::EdOt)), "100");
    EXPECT_TRUE(boxes.errors.empty());
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

TEST_F(Calculation, OneKeystrokeInTheParameterGridClearsTheTable) {
    TypeCircuit(kTypicalStage, "10", "100", "10");
    Calculate();
    ASSERT_TRUE(GraphEnabled());
    ASSERT_NE(ResultCell(1, 3), "");
    // One key, the editor still open: the table is already empty.
    TypeIntoCell(Main().ParameterGrid(), 1, 4, "9", false);
    EXPECT_TRUE(Main().ParameterGrid().Editing());
    EXPECT_EQ(ResultRowCount(), 11);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(ResultCell(column, 3), "");
    EXPECT_FALSE(GraphEnabled());
    EXPECT_EQ(Main().CellText(1, 4), "9");
    // The calculation state itself stays for the graph.
    EXPECT_EQ(Main().Result().Count(), 10);
    Key(Main().ParameterGrid().Editor(), VK_RETURN);
    EXPECT_FALSE(Main().ParameterGrid().Editing());
}

TEST_F(Calculation, SweepFieldsAndCheckBoxLeaveTheResults) {
    TypeCircuit(kTypicalStage, "10", "100", "10");
    Calculate();
    TypeInto(Control(Id::EdDf), "5");
    Click(Control(Id::CheckBox1));
    EXPECT_EQ(SendMessageW(Control(Id::CheckBox1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(ResultCell(0, 1), "10");
    EXPECT_TRUE(GraphEnabled());
}

TEST_F(Calculation, ResetEmptiesValuesAndRowsButKeepsTheRowCount) {
    TypeCircuit(kTypicalStage, "10", "100", "10");
    Calculate();
    Click(Control(Id::Button3));
    EXPECT_EQ(ResultRowCount(), 11);
    for (int row = 1; row <= 10; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(ResultCell(column, row), "");
    for (int row = 1; row <= 13; ++row)
        EXPECT_EQ(Main().CellText(1, row), "");
    EXPECT_EQ(Main().CellText(0, 1), "R1,кОм");
    EXPECT_FALSE(GraphEnabled());
    EXPECT_EQ(Text(Control(Id::EdOt)), "10");
}

TEST_F(Calculation, ResetEmptiesACellBeingEdited) {
    TypeIntoCell(Main().ParameterGrid(), 1, 2, "47", false);
    Click(Control(Id::Button3));
    EXPECT_EQ(Main().CellText(1, 2), "");
    if (Main().ParameterGrid().Editing()) {
        EXPECT_EQ(Text(Main().ParameterGrid().Editor()), "");
    }
}

TEST_F(Calculation, EscapeRestoresTheCellAsItWas) {
    TypeIntoCell(Main().ParameterGrid(), 1, 5, "1000");
    TypeIntoCell(Main().ParameterGrid(), 1, 5, "22", false);
    EXPECT_EQ(Main().CellText(1, 5), "22");
    Key(Main().ParameterGrid().Editor(), VK_ESCAPE);
    EXPECT_FALSE(Main().ParameterGrid().Editing());
    EXPECT_EQ(Main().CellText(1, 5), "1000");
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
                    Refusal{"Start", 0, Id::EdOt, "0", "fнач=0?..Хотя бы 0.1 Гц"},
                    Refusal{"End", 0, Id::EdDo, "", "fкон=0?..Нельзя"},
                    Refusal{"EmptyStep", 0, Id::EdDf, "", "шаг f=0?..нельзя"},
                    Refusal{"NegativeStep", 0, Id::EdDf, "-5", "шаг f=-5?..нельзя"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST_F(Calculation, RefusedEntryShowsInNormalForm) {
    TypeCircuit(kTypicalStage, "10", "100", "");
    Calculate();
    EXPECT_EQ(boxes.messages, std::vector<std::string>{"шаг f=0?..нельзя"});
    boxes.messages.clear();
    EXPECT_EQ(Text(Control(Id::EdDf)), "0");
}

TEST_F(Calculation, FloatingPointErrorPartWayKeepsTheRowsComputed) {
    TypeCircuit(kTypicalStage, "-20", "20", "10");
    Calculate();
    EXPECT_EQ(boxes.errors, std::vector<std::string>{"Floating point division by zero."});
    boxes.errors.clear();
    ASSERT_EQ(ResultRowCount(), 6);
    EXPECT_EQ(ResultCell(0, 3), "0");
    EXPECT_NE(ResultCell(1, 1), "");
    EXPECT_NE(ResultCell(2, 2), "");
    EXPECT_EQ(ResultCell(1, 3), "");
    EXPECT_EQ(ResultCell(0, 5), "20");
    EXPECT_EQ(ResultCell(1, 5), "");
    EXPECT_TRUE(GraphEnabled());
    // The program goes on: a corrected sweep calculates.
    TypeInto(Control(Id::EdOt), "10");
    Calculate();
    EXPECT_EQ(ResultRowCount(), 3);
    EXPECT_NE(ResultCell(2, 2), "");
    EXPECT_TRUE(boxes.errors.empty());
}

// "Логарифмический шаг" in the menu bar: the label over the sweep fields names points per decade,
// and "расчет" steps by decades, 10 points in each of the four from 10 Hz, and 100 kHz.
TEST_F(Calculation, DecadeSweepChosenInTheMenuBar) {
    const UINT chosen = MenuItem(Main().Handle(), kDecadeSweepCommand);
    ASSERT_NE(chosen, 0u);
    SendMessageW(Main().Handle(), WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    EXPECT_TRUE(Text(Control(Id::Label5)).ends_with(kPointsPerDecadeShort) ||
                Text(Control(Id::Label5)).ends_with(kPointsPerDecadeWords));
    TypeCircuit(kTypicalStage, "10", "100000", "10");
    Calculate();
    EXPECT_EQ(ResultRowCount(), 1 + 4 * 10 + 1);
}

// "Фаза ОУ: …" is a setting of its own: chosen, it is checked beside the sweep's choice.
TEST_F(Calculation, PhaseSwitchIsCheckedBesideTheSweepsChoice) {
    const HWND window = Main().Handle();
    const UINT phase = MenuItem(window, kLaggingPhaseCommand);
    ASSERT_NE(phase, 0u);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(phase, 0), 0);
    HMENU bar = GetMenu(window);
    for (int menu = 0; menu < GetMenuItemCount(bar); ++menu) // the menus as they open
        SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(bar, menu)),
                     MAKELPARAM(menu, FALSE));
    EXPECT_TRUE(GetMenuState(bar, phase, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(bar, MenuItem(window, kLinearSweepCommand), MF_BYCOMMAND) &
                MF_CHECKED);
    EXPECT_TRUE(Main().Presenter().LaggingPhase());
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
