#include "CalculatingForm.h"
#include "numerics/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A typical stage: 100 kΩ bias, legs 1 kΩ and 99 kΩ with small reactive parts, 10 µF coupling,
// an amplifier of gain 10^5 and 1 MHz unity-gain frequency with 10 MΩ input resistance.
const std::array<std::string, 13> kCalculatedStage = {
    "100", "1000", "1", "99", "1000", "10", "1", "100", "1", "1", "100000", "10", "1"};

// "расчет" as the main window's presenter runs it over a fake window.
class CalculationCommand : public testing::Test, public CalculatingForm {
  protected:
    CalculationCommand() { SetDecimalSeparatorSource(nullptr); }

    void Calculate(const std::string& from, const std::string& to, const std::string& step) {
        window.Type(kCalculatedStage, from, to, step);
        Press();
    }
    // The error box the command stopped with (the fault's text and a full stop), or "" when it
    // ran to the end.
    std::string CalculateExpectingError() {
        boxes.errors.clear();
        Press();
        return boxes.errors.empty() ? "" : boxes.errors.back();
    }
    std::vector<std::string> FrequencyColumn() {
        std::vector<std::string> column;
        for (int row = 1; row < form.Results().RowCount(); ++row)
            column.push_back(form.Results().Cell(0, row));
        return column;
    }
    const SweepResult& state() const { return form.Result(); }
};

using Column = std::vector<std::string>;

TEST_F(CalculationCommand, SweepInWholeSteps) {
    Calculate("10", "100", "10");
    EXPECT_EQ(state().Count(), 10);
    EXPECT_EQ(FrequencyColumn(),
              (Column{"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
    EXPECT_TRUE(window.graphEnabled);
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(CalculationCommand, SweepAlwaysEndsAtTheEndFrequency) {
    Calculate("10", "105", "10");
    EXPECT_EQ(state().Count(), 11);
    EXPECT_EQ(FrequencyColumn().back(), "105");
    EXPECT_EQ(FrequencyColumn()[9], "100");

    // A step larger than the range: start and end only, and the graph button is left alone.
    Calculate("10", "15", "100");
    EXPECT_EQ(FrequencyColumn(), (Column{"10", "15"}));
    EXPECT_TRUE(window.graphEnabled);
    window.graphEnabled = false;
    Calculate("10", "15", "100");
    EXPECT_FALSE(window.graphEnabled);
}

TEST_F(CalculationCommand, NoSweepFrequencyLiesBeyondTheEnd) {
    // (−1E-300 + 600) / 100 rounds to exactly 6 in extended precision, and six whole steps would
    // land on 0 Hz, past the end: the sweep takes five, then the end itself.
    window.Type(kCalculatedStage, "-600", "-1E-300", "100");
    // A tiny frequency may overflow a capacitor's impedance; it must not be a 0 Hz division.
    const std::string error = CalculateExpectingError();
    EXPECT_TRUE(error.empty() || error == "Floating point overflow.") << error;
    EXPECT_EQ(FrequencyColumn(),
              (Column{"-600", "-500", "-400", "-300", "-200", "-100", "-1E-300"}));
    for (int32_t i = 0; i < state().Count(); ++i)
        EXPECT_LE(state().Frequencies[static_cast<size_t>(i)], *state().Entered.SweepFields[1])
            << i;
}

TEST_F(CalculationCommand, OnePointSweepLeavesTheGraphButtonAsItWas) {
    Calculate("50", "50", "1");
    EXPECT_EQ(FrequencyColumn(), (Column{"50"}));
    EXPECT_FALSE(window.graphEnabled);
    window.graphEnabled = true;
    Calculate("50", "50", "1");
    EXPECT_TRUE(window.graphEnabled);
}

TEST_F(CalculationCommand, FractionalStepsAreFormedFromTheStart) {
    // i·0.1 + 0.1 in extended precision, not repeated addition.
    Calculate("0.1", "1", "0.1");
    EXPECT_EQ(FrequencyColumn(),
              (Column{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}));
}

TEST_F(CalculationCommand, NegativeStartFrequencyPasses) {
    Calculate("-10", "-5", "5");
    EXPECT_EQ(FrequencyColumn(), (Column{"-10", "-5"}));
    EXPECT_NE(form.Results().Cell(1, 2), "");
}

TEST_F(CalculationCommand, ResultsAreTheGainAndItsDecibels) {
    Calculate("100", "1000", "100");
    ASSERT_EQ(state().Ratio.size(), 10u);
    for (int32_t i = 0; i < state().Count(); ++i) {
        // About 100 in the pass band of this stage.
        EXPECT_NEAR(state().Ratio[i], 100, 1.5);
        EXPECT_DOUBLE_EQ(state().Decibels[i], 20 * std::log10(state().Ratio[i]));
        const double shown = TextToNumber(form.Results().Cell(1, i + 1), -1);
        EXPECT_NEAR(shown, state().Ratio[i], 2e-5 * state().Ratio[i]);
        // Five or six significant digits: within 2·10^-5 of the value.
        EXPECT_NEAR(TextToNumber(form.Results().Cell(2, i + 1), -1), state().Decibels[i],
                    2e-5 * state().Decibels[i]);
    }
}

TEST_F(CalculationCommand, ConvertsToBaseUnitsWithTheInputResistanceMerged) {
    Calculate("10", "20", "10");
    EXPECT_DOUBLE_EQ(state().Model.R1, 100e3 * 10e6 / (100e3 + 10e6));
    EXPECT_DOUBLE_EQ(state().Model.R3, 1e3 * 10e6 / (1e3 + 10e6));
    EXPECT_EQ(state().Model.R2, 1e6);
    EXPECT_EQ(state().Model.R4, 99e3);
    EXPECT_EQ(state().Model.C1, 10e-6);
    EXPECT_EQ(state().Model.C3, 100e-6);
    EXPECT_DOUBLE_EQ(state().Model.C2, 1e-12);
    EXPECT_EQ(state().Model.f1, 1e6);
    EXPECT_EQ(state().Model.k0, 1e5);
}

TEST_F(CalculationCommand, SecondRunReadsTheSameValuesAgain) {
    window.Type({"100.0", " 1E3 ", "1", "99", "1000", "10", "1", "100", "1", "1", "1e5", "10", "1"},
                "10", "100", "10");
    Press();
    const auto gridAfterFirst = window.grid;
    const std::vector<double> ratioAfterFirst = state().Ratio;
    EXPECT_EQ(window.grid[1][1], "100");
    EXPECT_EQ(window.grid[2][1], "1000");
    EXPECT_EQ(window.grid[11][1], "100000");
    Press();
    EXPECT_EQ(window.grid, gridAfterFirst);
    EXPECT_EQ(state().Ratio, ratioAfterFirst); // the conversion does not accumulate
}

TEST_F(CalculationCommand, UnreadableUntestedParameterReadsAsZero) {
    window.Type(kCalculatedStage, "10", "100", "10");
    window.grid[2][1] = "abc";
    Press();
    EXPECT_EQ(window.grid[2][1], "0");
    EXPECT_TRUE(window.messages.empty());
    EXPECT_NE(form.Results().Cell(1, 10), "");
}

TEST_F(CalculationCommand, ReadsWithTheLocaleSeparator) {
    SetDecimalSeparatorSource([] { return U','; });
    window.Type(kCalculatedStage, "10", "20", "10");
    window.grid[1][1] = "1,5";
    window.grid[2][1] = "1.5";
    Press();
    EXPECT_EQ(window.grid[1][1], "1,5");
    EXPECT_EQ(window.grid[2][1], "0");
    SetDecimalSeparatorSource(nullptr);
}

struct RefusalCase {
    const char* name;
    int row; // parameter row to spoil, or 0 for the sweep fields
    const char* value;
    std::array<const char*, 3> sweep;
    const char* message;
    SweepKind kind = SweepKind::Linear;
};

RefusalCase DecadeRefusal(const char* name, std::array<const char*, 3> sweep, const char* message) {
    return {name, 0, "", sweep, message, SweepKind::Decade};
}

class Refusal : public CalculationCommand, public testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, ShowsItsMessageAndStopsThere) {
    // A previous calculation whose results must survive the refusal.
    Calculate("10", "100", "10");
    const Column before = FrequencyColumn();
    const std::string gainBefore = form.Results().Cell(1, 5);
    const std::vector<double> ratioBefore = state().Ratio;
    window.logScaleChecked = true;

    const RefusalCase& c = GetParam();
    window.Type(kCalculatedStage, c.sweep[0], c.sweep[1], c.sweep[2]);
    for (int row = 1; row <= 13; ++row)
        window.grid[row][1] = " " + window.grid[row][1]; // not yet in normal form
    window.edits = {" " + window.edits[0], " " + window.edits[1], " " + window.edits[2]};
    if (c.row > 0)
        window.grid[c.row][1] = c.value;
    Press(c.kind);

    EXPECT_EQ(window.messages, (std::vector<std::string>{c.message}));
    EXPECT_EQ(FrequencyColumn(), before);
    EXPECT_EQ(form.Results().Cell(1, 5), gainBefore);
    EXPECT_EQ(state().Ratio, ratioBefore);
    EXPECT_FALSE(form.LogScale());
    // Rows read before the refusal are in normal form; those after it are untouched.
    const int stopRow = c.row > 0 ? c.row : 14;
    for (int row = 1; row <= 13; ++row) {
        const bool read = row <= stopRow;
        EXPECT_EQ(window.grid[row][1].front() == ' ', !read) << "row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, Refusal,
    testing::Values(
        RefusalCase{"R1Zero", 1, "0", {"10", "100", "10"}, "что, в самом деле вход закорочен?"},
        RefusalCase{
            "R3Unreadable", 3, "x", {"10", "100", "10"}, "что, в самом деле вход закорочен?"},
        RefusalCase{"C1Zero", 6, "0", {"10", "100", "10"}, "через С1=0 сигнал не пройдет"},
        RefusalCase{"K0Zero", 11, "", {"10", "100", "10"}, "сколько-сколько К усиления?.."},
        RefusalCase{"RinZero", 12, "0.0", {"10", "100", "10"}, "Rвх=0?.. Маловато будет"},
        RefusalCase{"F1Zero", 13, "0e5", {"10", "100", "10"}, "f1=0?.. Так не бывает"},
        RefusalCase{"StartZero", 0, "", {"0", "100", "10"}, "fнач=0?..Хотя бы 0.1 Гц"},
        RefusalCase{"EndZero", 0, "", {"10", "", "10"}, "fкон=0?..Нельзя"},
        RefusalCase{"StepEmpty", 0, "", {"10", "100", ""}, "шаг f=0?..нельзя"},
        RefusalCase{"StepNegative", 0, "", {"10", "100", "-5"}, "шаг f=-5?..нельзя"},
        RefusalCase{"EndBelowStart", 0, "", {"100", "10", "10"}, "fкон<fнач?..Нельзя"},
        RefusalCase{
            "TooManyPoints", 0, "", {"1", "10000001", "1"}, "шаг f=1?..слишком много точек"},
        RefusalCase{"ExtraEndPointTooMany",
                    0,
                    "",
                    {"1", "10000000.5", "1"},
                    "шаг f=1?..слишком много точек"},
        RefusalCase{"HugeQuotient",
                    0,
                    "",
                    {"-1E300", "1E300", "1E-300"},
                    "шаг f=1E-300?..слишком много точек"},
        DecadeRefusal("DecadeStartZero", {"0", "100", "10"},
                      "fнач=0?..для логарифмического шага нужна fнач>0"),
        DecadeRefusal("DecadeStartNegative", {"-5", "100", "10"},
                      "fнач=-5?..для логарифмического шага нужна fнач>0"),
        DecadeRefusal("DecadePointsEmpty", {"1", "100", ""},
                      "точек на декаду=0?..нужно целое от 1 до 1000000"),
        DecadeRefusal("DecadePointsFractional", {"1", "100", "2.5"},
                      "точек на декаду=2.5?..нужно целое от 1 до 1000000"),
        DecadeRefusal("DecadePointsAboveMillion", {"1", "100", "1000001"},
                      "точек на декаду=1000001?..нужно целое от 1 до 1000000"),
        // Ten decades of a million points and the end: one frequency too many.
        // Named as the field is labelled in a decade sweep.
        DecadeRefusal("DecadeOneTooMany", {"1", "1E10", "1000000"},
                      "точек на декаду=1000000?..слишком много точек"),
        DecadeRefusal("DecadeHundredsOfDecades", {"1E-300", "1E300", "1000000"},
                      "точек на декаду=1000000?..слишком много точек")),
    [](const auto& info) { return std::string(info.param.name); });

struct DecadeCase {
    const char* name;
    const char* from;
    const char* to;
    const char* perDecade;
    int32_t count; // the end included
};

class DecadeSweep : public CalculationCommand, public testing::WithParamInterface<DecadeCase> {};

// fнач·10^(i/n) while below the end by more than a billionth, then the end: checked against the
// same formula evaluated another way, exp(i·ln 10 / n), whose rounding differs.
TEST_P(DecadeSweep, FollowsItsFormulaAndEndsAtTheEnd) {
    const DecadeCase& c = GetParam();
    window.Type(kCalculatedStage, c.from, c.to, c.perDecade);
    Press(SweepKind::Decade);
    ASSERT_EQ(state().Computed, c.count);
    const long double fmin = std::stold(c.from), n = std::stold(c.perDecade);
    EXPECT_EQ(state().Frequencies.back(), std::stod(c.to));
    for (int32_t i = 0; i + 1 < c.count; ++i) {
        const long double expected = fmin * std::exp(i * std::log(10.0L) / n);
        ASSERT_NEAR(state().Frequencies[static_cast<size_t>(i)] / expected, 1, 1e-15) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Decade, DecadeSweep,
    testing::Values(DecadeCase{"EndOnAPoint", "1", "100", "3", 7},
                    DecadeCase{"EndBetweenPoints", "1", "150", "3", 8},
                    // 100 lies a ten-billionth below the end: the end is listed in its place.
                    DecadeCase{"PointWithinABillionthOfTheEnd", "1", "100.00000001", "3", 7},
                    DecadeCase{"StartIsEnd", "50", "50", "1", 1},
                    DecadeCase{"FractionalStart", "0.1", "1000", "1", 5},
                    // Repeated multiplication would have drifted by some 1E-10 at the end.
                    DecadeCase{"MillionPointsWithoutDrift", "20", "200", "1000000", 1'000'001}),
    [](const auto& info) { return std::string(info.param.name); });

// What names a kept curve: the input its rows were computed with, not what was read since.
TEST_F(CalculationCommand, EnteredInputIsThatOfTheComputedRows) {
    Calculate("10", "100", "10");
    window.grid[4][1] = "150";
    window.edits[2] = "0"; // refused after reading R4
    Press();
    EXPECT_EQ(window.grid[4][1], "150");
    EXPECT_EQ(state().Entered.Parameters[3], 99);
    EXPECT_EQ(state().Entered.SweepFields[2], 10);
}

struct SweepFieldsCase {
    const char* name;
    std::array<std::string, 3> typed;
    std::array<std::string, 3> shown; // after the refusal
};

class SweepFieldsAfter : public CalculationCommand,
                         public testing::WithParamInterface<SweepFieldsCase> {};

// The refusal of the end against the start comes after the step was read: all three fields are
// rewritten. One at the start leaves the two after it as typed.
TEST_P(SweepFieldsAfter, RefusalRewritesExactlyTheFieldsRead) {
    const SweepFieldsCase& c = GetParam();
    window.Type(kCalculatedStage, c.typed[0], c.typed[1], c.typed[2]);
    Press();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.edits, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    CalculationCommand, SweepFieldsAfter,
    testing::Values(SweepFieldsCase{"EndBelowStart", {" 1e2", " 1e1", " 1e1"}, {"100", "10", "10"}},
                    SweepFieldsCase{"StartZero", {" 0", " 1e2", " 1e1"}, {"0", " 1e2", " 1e1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculationCommand, RefusedStepFieldShowsItsNormalForm) {
    window.Type(kCalculatedStage, "10", "100", "");
    Press();
    EXPECT_EQ(window.edits[2], "0");
    EXPECT_EQ(window.messages, (std::vector<std::string>{"шаг f=0?..нельзя"}));
}

TEST_F(CalculationCommand, LogScaleIsTakenFromTheCheckBox) {
    window.logScaleChecked = true;
    Calculate("10", "100", "10");
    EXPECT_TRUE(form.LogScale());
    window.logScaleChecked = false;
    Calculate("10", "100", "10");
    EXPECT_FALSE(form.LogScale());
}

TEST_F(CalculationCommand, ZeroCapacitanceStopsAtTheFirstFrequency) {
    window.logScaleChecked = true;
    form.ShowGraph(); // "график" takes the mode
    window.logScaleChecked = false;
    window.Type(kCalculatedStage, "10", "100", "10");
    window.grid[7][1] = "0"; // C2
    EXPECT_EQ(CalculateExpectingError(), "Floating point division by zero.");
    // What was done before the failing frequency stays: the sweep, its rows, the button.
    EXPECT_EQ(state().Count(), 10);
    EXPECT_EQ(state().Ratio.size(), 10u);
    EXPECT_EQ(form.Results().RowCount(), 11);
    EXPECT_EQ(FrequencyColumn().back(), "100");
    EXPECT_EQ(form.Results().Cell(1, 1), "");
    EXPECT_TRUE(window.graphEnabled);
    EXPECT_TRUE(form.LogScale()); // not taken from the unchecked box
    EXPECT_EQ(state().Model.C2, 0);
}

TEST_F(CalculationCommand, SweepThroughZeroStopsPartWay) {
    window.Type(kCalculatedStage, "-20", "20", "10");
    EXPECT_EQ(CalculateExpectingError(), "Floating point division by zero.");
    EXPECT_EQ(FrequencyColumn(), (Column{"-20", "-10", "0", "10", "20"}));
    EXPECT_NE(form.Results().Cell(1, 1), "");
    EXPECT_NE(form.Results().Cell(2, 2), "");
    EXPECT_EQ(form.Results().Cell(1, 3), "");
    EXPECT_EQ(form.Results().Cell(2, 5), "");
}

TEST_F(CalculationCommand, OnlyRowsOfTheLastCalculationCountAsComputed) {
    Calculate("10", "100", "10");
    EXPECT_EQ(state().Computed, 10);
    EXPECT_EQ(resultsMade, 1);

    // Stopped at 0 Hz: two rows of gains, the rest are an earlier calculation's.
    window.Type(kCalculatedStage, "-20", "20", "10");
    CalculateExpectingError();
    EXPECT_EQ(state().Computed, 2);
    EXPECT_EQ(resultsMade, 2);

    // Stopped before any gain.
    window.grid[4][1] = "1E306";
    window.edits = {"10", "100", "10"};
    CalculateExpectingError();
    EXPECT_EQ(state().Computed, 0);
    EXPECT_EQ(resultsMade, 3);

    // A refusal is no calculation: the state's results stay as they were.
    window.grid[1][1] = "0";
    Press();
    EXPECT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(state().Computed, 0);
    EXPECT_EQ(resultsMade, 3);
}

TEST_F(CalculationCommand, OpenLoopGainBelowOneIsInvalid) {
    window.Type(kCalculatedStage, "10", "100", "10");
    window.grid[11][1] = "0.5";
    EXPECT_EQ(CalculateExpectingError(), "Invalid floating point operation.");
    EXPECT_EQ(form.Results().Cell(1, 1), "");
}

TEST_F(CalculationCommand, ConversionBeyondDoubleOverflows) {
    window.Type(kCalculatedStage, "10", "100", "10");
    window.grid[4][1] = "1E306"; // R4 in kΩ: 1E309 Ω
    EXPECT_EQ(CalculateExpectingError(), "Floating point overflow.");
    EXPECT_EQ(FrequencyColumn().size(), 10u);
    EXPECT_TRUE(window.graphEnabled);
    EXPECT_EQ(form.Results().Cell(1, 1), "");
}

// What the graph and its readouts may read: the rows of the last calculation that hold gains.
TEST_F(CalculationCommand, CountsTheRowsItComputed) {
    Calculate("10", "100", "10");
    EXPECT_EQ(state().Computed, 10);
    // A refused run leaves the last calculation's rows as they were.
    window.Type(kCalculatedStage, "10", "100", "0");
    Press();
    EXPECT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(state().Computed, 10);
    // One that stops part-way counts the rows before the failing frequency.
    window.Type(kCalculatedStage, "-20", "20", "10");
    EXPECT_EQ(CalculateExpectingError(), "Floating point division by zero.");
    EXPECT_EQ(state().Computed, 2);
    // One that fails before the first gain has none.
    window.Type(kCalculatedStage, "10", "100", "10");
    window.grid[4][1] = "1E306";
    EXPECT_EQ(CalculateExpectingError(), "Floating point overflow.");
    EXPECT_EQ(state().Computed, 0);
}

TEST_F(CalculationCommand, InputResistanceCancellingR1DividesByZero) {
    window.Type(kCalculatedStage, "10", "100", "10");
    window.grid[1][1] = "-1000"; // -1 MΩ against +1 MΩ
    window.grid[12][1] = "1";
    EXPECT_EQ(CalculateExpectingError(), "Floating point division by zero.");
}

} // namespace
