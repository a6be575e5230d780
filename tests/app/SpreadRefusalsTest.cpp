#include "app/texts/SpreadTexts.h"
#include "tests/analysis/SpreadTestStages.h"

#include <gtest/gtest.h>

// What the analysis refuses before any trial, in the words the dialog's box and "ou --spread"
// say it.

namespace {

struct RefusalCase {
    const char* name;
    void (*change)(SpreadInput&);
    const char* refusal;
};

const RefusalCase kRefusals[] = {
    {"ToleranceOf100", [](SpreadInput& in) { in.Settings.Tolerances[2] = 100; },
     "допуск R3=100?..нужно число от 0 до 100, не включая 100"},
    {"NegativeTolerance", [](SpreadInput& in) { in.Settings.Tolerances[11] = -1; },
     "допуск Rвх=-1?..нужно число от 0 до 100, не включая 100"},
    {"NoTrials", [](SpreadInput& in) { in.Settings.Trials = 0; },
     "испытаний 0?..нужно целое от 1 до 100000"},
    {"TooManyTrials", [](SpreadInput& in) { in.Settings.Trials = 100'001; },
     "испытаний 100001?..нужно целое от 1 до 100000"},
    {"TooManyGains", [](SpreadInput& in) { in.Frequencies.resize(10'001, 1.0); },
     "испытаний × частот больше миллиарда?..уменьшите число испытаний или точек"},
    {"NoSweep", [](SpreadInput& in) { in.Frequencies.clear(); },
     "нет частот: сначала задайте диапазон"},
    {"ReversedRange",
     [](SpreadInput& in) { in.Settings.Limits.From = 10, in.Settings.Limits.To = 5; },
     "пределы: fкон<fнач?..Нельзя"},
    // Limits the sweep 10 … 100 Hz cannot judge: an edge beyond it is known only to lie beyond.
    {"LowerEdgeBeforeTheSweep", [](SpreadInput& in) { in.Settings.Limits.LowerEdgeAt = 5; },
     "нижняя граница не выше 5 Гц: ниже начала диапазона 10 Гц"},
    {"UpperEdgeAfterTheSweep", [](SpreadInput& in) { in.Settings.Limits.UpperEdgeAt = 1E3; },
     "верхняя граница не ниже 1000 Гц: выше конца диапазона 100 Гц"},
    {"GainRangeBeforeTheSweep", [](SpreadInput& in) { in.Settings.Limits.From = 1; },
     "усиление от частоты 1 Гц: ниже начала диапазона 10 Гц"},
    {"GainRangeAfterTheSweep", [](SpreadInput& in) { in.Settings.Limits.To = 101; },
     "усиление до частоты 101 Гц: выше конца диапазона 100 Гц"},
    {"NegativeEdge", [](SpreadInput& in) { in.Settings.Limits.LowerEdgeAt = -5; },
     "нижняя граница не выше -5 Гц?..нужна частота больше 0"},
};

class SpreadRefuses : public testing::TestWithParam<RefusalCase> {};

TEST_P(SpreadRefuses, WithItsMessageBeforeAnyTrial) {
    SpreadInput input;
    input.Nominal = kTypicalStage;
    input.Frequencies = {10, 100};
    input.Settings.Trials = 100'000;
    GetParam().change(input);
    CancelToken control;
    const SpreadOutcome outcome = RunSpread(input, control);
    EXPECT_EQ(SpreadRefusalText(outcome.Refusal), GetParam().refusal);
    EXPECT_FALSE(outcome.Result);
    EXPECT_EQ(control.Done, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpreadRefuses, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return info.param.name; });

} // namespace
