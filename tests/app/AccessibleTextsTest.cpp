#include "app/texts/AccessibleTexts.h"

#include "app/design/DesignControls.h"
#include "app/presenters/MainWindowTexts.h"
#include "app/spread/SpreadControls.h"
#include "numerics/NumberText.h"

#include <gtest/gtest.h>

namespace {

struct CellCase {
    const char* name;
    int column; // in the parameter grid: 1, its values; in the results: 10, 11, 12
    int row;
    const char* reading;
};

class CellReading : public testing::TestWithParam<CellCase> {};

// R1 = 100, R2 empty, Rвх = 1; results at 10 and 1010 Hz.
TEST_P(CellReading, NamesItsHeadings) {
    SetDecimalSeparatorSource([] { return U','; });
    const CellCase& c = GetParam();
    auto s = std::make_shared<SweepResult>();
    s->Frequencies = {10, 1010};
    s->Ratio = {99.9, 99.514};
    s->Decibels = {40, 39.958};
    s->Computed = 2;
    ResultTable table(3);
    for (int column = 0; column < ResultTable::kColumns; ++column)
        table.SetHeading(column, kResultHeadings[size_t(column)]);
    table.Show(s);
    const char* values[] = {"", "100", "", "", "", "", "", "", "", "", "", "", "1", ""};
    EXPECT_EQ(c.column >= 10 ? ResultCellReading(table, c.column - 10, c.row)
                             : ParameterCellReading(c.column, c.row, values[c.row]),
              c.reading);
    SetDecimalSeparatorSource(nullptr);
}

INSTANTIATE_TEST_SUITE_P(AccessibleTexts, CellReading,
                         testing::Values(CellCase{"Parameter", 1, 1, "R1, кОм: 100"},
                                         CellCase{"ParameterOfTwoWords", 1, 12, "Rвх оу, МОм: 1"},
                                         CellCase{"EmptyParameter", 1, 2, "R2, кОм: пусто"},
                                         CellCase{"Frequency", 10, 2, "частота, Гц: 1010"},
                                         CellCase{"Ratio", 11, 2,
                                                  "частота, Гц: 1010; |k|, раз: 99,514"},
                                         CellCase{"HeadingWithoutItsBlank", 12, 0, "|k|, дБ"}),
                         [](const auto& info) { return info.param.name; });

struct SpokenCase {
    const char* name;
    const char* objectName;
    const char* spoken; // "": the control's own
    bool picture;
};

class SpreadControlSpoken : public testing::TestWithParam<SpokenCase> {};

// A tolerance is not read as the parameter beside it, nor a choice as the item chosen.
TEST_P(SpreadControlSpoken, IsNamedByWhatItHolds) {
    const SpokenControl spoken = SpreadSpokenControl(GetParam().objectName);
    EXPECT_EQ(spoken.Name, GetParam().spoken);
    EXPECT_EQ(spoken.Picture, GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(
    AccessibleTexts, SpreadControlSpoken,
    testing::Values(SpokenCase{"FirstTolerance", "EdTolerance1", "допуск R1, %", false},
                    SpokenCase{"Distribution", "CbDistribution", "распределение", false},
                    SpokenCase{"Analysis", "CbAnalysis", "анализ", false},
                    SpokenCase{"ButtonByItsText", "BuCopySpread", "", false},
                    SpokenCase{"Histogram", "ImPeakGain", "", true}),
    [](const auto& info) { return info.param.name; });

// Every control of the dialog, the progress box and the results box is described.
TEST(SpreadControlSpoken, EveryControlHasADescription) {
    for (int id = kFirstToleranceId; id <= kPeakGainHistogram.Id; ++id) {
        if (const std::string name = SpreadObjectName(id); !name.empty()) {
            EXPECT_FALSE(SpreadSpokenControl(name).Description.empty()) << name;
        }
    }
}

// The same for "Подбор номиналов…"; a range reads its part and unit, a check its part.
TEST(DesignControlSpoken, EveryControlHasADescription) {
    for (int id = kFirstRequirementId; id <= kCloseDesignButton.Id; ++id) {
        if (const std::string name = DesignObjectName(id); !name.empty()) {
            EXPECT_FALSE(DesignSpokenControl(id).Description.empty()) << name;
        }
    }
    EXPECT_EQ(DesignSpokenControl("EdRangeTo6").Name, "до: C1,мкФ");
    EXPECT_EQ(DesignSpokenControl("ChDesign4").Name, "подбирать R4");
}

} // namespace
