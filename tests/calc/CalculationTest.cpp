#include "calc/Calculation.h"

#include "numerics/FloatError.h"

#include <gtest/gtest.h>
#include <string>
#include <variant>

namespace {

// The typical stage, swept 10 … 100 Hz by 10 Hz.
Stage Typical() {
    Stage stage;
    stage.Parameters = {100, 1000, 1, 99, 1000, 10, 1, 100, 1, 1, 100000, 10, 1};
    stage.SweepFields = {10, 100, 10};
    return stage;
}

using Changes = std::vector<std::pair<StageField, std::optional<double>>>;

Stage Changed(const Changes& changes, SweepKind sweep = SweepKind::Linear) {
    Stage stage = Typical();
    for (const auto& [field, value] : changes)
        FieldValue(stage, field) = value;
    stage.Sweep = sweep;
    return stage;
}

struct RefusalCase {
    const char* name;
    Changes changes;
    RefusalReason reason;
    StageField field;
    int fieldsRead;
    double value = 0;
    SweepKind sweep = SweepKind::Linear;
};

class RefusalOf : public testing::TestWithParam<RefusalCase> {};

// The refusal names its field and how far the reading went: a window rewrites exactly the fields
// read, so those after a refused one keep what was typed.
TEST_P(RefusalOf, NamesItsFieldAndTheFieldsReadBeforeIt) {
    const RefusalCase& c = GetParam();
    const StageCheck check = CheckStage(Changed(c.changes, c.sweep));
    const Refusal* refusal = std::get_if<Refusal>(&check);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->Reason, c.reason);
    EXPECT_EQ(refusal->Field, c.field);
    EXPECT_EQ(refusal->FieldsRead, c.fieldsRead);
    EXPECT_EQ(FieldsRead(check), c.fieldsRead);
    EXPECT_EQ(refusal->Value, c.value);
}

using F = StageField;
using R = RefusalReason;
INSTANTIATE_TEST_SUITE_P(
    Calculation, RefusalOf,
    testing::Values(RefusalCase{"R1Zero", {{F::R1, 0}, {F::R2, 0}}, R::InputShorted, F::R1, 1},
                    RefusalCase{"R3Blank", {{F::R3, std::nullopt}}, R::InputShorted, F::R3, 3},
                    RefusalCase{"C1Zero", {{F::C1, 0}}, R::NoSignalThroughC1, F::C1, 6},
                    RefusalCase{"k0Zero", {{F::k0, 0}}, R::NoGain, F::k0, 11},
                    RefusalCase{"RinZero", {{F::Rin, 0}}, R::NoInputResistance, F::Rin, 12},
                    RefusalCase{"f1Zero", {{F::f1, 0}}, R::NoUnityGainFrequency, F::f1, 13},
                    RefusalCase{"StartZero", {{F::From, 0}}, R::NoStartFrequency, F::From, 14},
                    RefusalCase{"EndBlank", {{F::To, std::nullopt}}, R::NoEndFrequency, F::To, 15},
                    RefusalCase{"StepNegative", {{F::Step, -5}}, R::BadStep, F::Step, 16, -5},
                    // Judged after the step was read: every field is read, the end is named.
                    RefusalCase{"EndBelowStart", {{F::To, 5}}, R::EndBelowStart, F::To, 16},
                    RefusalCase{"TooManyPoints",
                                {{F::From, 1}, {F::To, 1E8}, {F::Step, 1}},
                                R::TooManyPoints,
                                F::Step,
                                16,
                                1},
                    RefusalCase{"DecadeStartNegative",
                                {{F::From, -5}},
                                R::DecadeStartNotAbove0,
                                F::From,
                                14,
                                -5,
                                SweepKind::Decade},
                    RefusalCase{"DecadeFractionalPoints",
                                {{F::Step, 2.5}},
                                R::BadPointsPerDecade,
                                F::Step,
                                16,
                                2.5,
                                SweepKind::Decade}),
    [](const auto& info) { return std::string(info.param.name); });

// A value beyond double once in Ω stops no check: the sweep is listed and the fault is the
// result's, with no row computed.
TEST(Calculation, ConversionFaultBelongsToTheResult) {
    const StageCheck check = CheckStage(Changed({{F::R4, 1E306}}));
    ASSERT_TRUE(std::holds_alternative<CheckedStage>(check));
    EXPECT_TRUE(std::get<CheckedStage>(check).ConversionFault);
    const SharedResult result = ComputeSweep(std::get<CheckedStage>(check));
    EXPECT_EQ(result->Count(), 10);
    EXPECT_EQ(result->Frequencies.back(), 100);
    EXPECT_EQ(result->Computed, 0);
    ASSERT_TRUE(result->Fault);
    EXPECT_THROW(std::rethrow_exception(result->Fault), FloatingPointError);
}

struct SweepCase {
    const char* name;
    std::array<double, 3> fields;
    SweepKind sweep;
    std::vector<double> frequencies;
    int32_t computed; // rows before the fault, or all of them
};

class SweepOf : public testing::TestWithParam<SweepCase> {};

TEST_P(SweepOf, ListsItsFrequenciesAndTheRowsComputed) {
    const SweepCase& c = GetParam();
    Stage stage = Typical();
    stage.SweepFields = {c.fields[0], c.fields[1], c.fields[2]};
    stage.Sweep = c.sweep;
    const SharedResult result = ComputeSweep(std::get<CheckedStage>(CheckStage(stage)));
    EXPECT_EQ(result->Frequencies, c.frequencies);
    EXPECT_EQ(result->Computed, c.computed);
    EXPECT_EQ(static_cast<bool>(result->Fault), c.computed < result->Count());
    EXPECT_EQ(result->ComputedRatio().size(), static_cast<size_t>(c.computed));
}

INSTANTIATE_TEST_SUITE_P(
    Calculation, SweepOf,
    testing::Values(
        SweepCase{"LinearEndsAtTheEnd", {10, 35, 10}, SweepKind::Linear, {10, 20, 30, 35}, 4},
        SweepCase{"DecadeEndsAtTheEnd", {1, 150, 1}, SweepKind::Decade, {1, 10, 100, 150}, 4},
        // 0 Hz divides by zero in the coupling capacitor: two rows before it.
        SweepCase{
            "StoppedAtZeroHertz", {-20, 20, 10}, SweepKind::Linear, {-20, -10, 0, 10, 20}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// What the window shows once "расчет" has rewritten a field, read back: 15 significant digits.
TEST(Calculation, NormalFormIsWhatTheWindowWouldHold) {
    Stage stage;
    stage.Parameters[0] = 1.23456789012345678;
    stage.SweepFields[0] = 10;
    const Stage normal = InNormalForm(stage);
    EXPECT_EQ(normal.Parameters[0], 1.23456789012346);
    EXPECT_EQ(normal.Parameters[2], std::nullopt);
    EXPECT_EQ(normal.SweepFields[0], 10);
}

} // namespace
