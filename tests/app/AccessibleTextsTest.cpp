#include "app/AccessibleTexts.h"

#include "app/MainWindowTexts.h"
#include "numerics/NumberText.h"

#include <gtest/gtest.h>

namespace {

struct ParameterCase {
    const char* name;
    int column;
    int row;
    const char* text;
    const char* reading;
};

class ParameterCell : public testing::TestWithParam<ParameterCase> {};

TEST_P(ParameterCell, ReadsWithItsParameterAndUnit) {
    const ParameterCase& c = GetParam();
    EXPECT_EQ(ParameterCellReading(c.column, c.row, c.text), c.reading);
}

INSTANTIATE_TEST_SUITE_P(AccessibleTexts, ParameterCell,
                         testing::Values(ParameterCase{"FirstValue", 1, 1, "100", "R1, кОм: 100"},
                                         ParameterCase{"NameOfTwoWords", 1, 12, "1",
                                                       "Rвх оу, МОм: 1"},
                                         ParameterCase{"LastValue", 1, 13, "0,5", "f1, МГц: 0,5"},
                                         ParameterCase{"EmptyValue", 1, 2, "", "R2, кОм: пусто"},
                                         ParameterCase{"Name", 0, 1, "R1,кОм", "R1,кОм"},
                                         ParameterCase{"Heading", 1, 0, "значение", "значение"}),
                         [](const auto& info) { return info.param.name; });

struct ResultCase {
    const char* name;
    int column;
    int row;
    const char* reading;
};

class ResultCell : public testing::TestWithParam<ResultCase> {};

TEST_P(ResultCell, ReadsWithItsRowsFrequency) {
    SetDecimalSeparatorSource([] { return U','; });
    CalcState s;
    s.Frequencies = {10, 1010};
    s.Ratio = {99.9, 99.514};
    s.Decibels = {39.99, 39.958};
    s.Count = 2;
    ResultTable table(s, 5);
    for (int column = 0; column < ResultTable::kColumns; ++column)
        table.SetHeading(column, kResultHeadings[static_cast<size_t>(column)]);
    table.SetRowCount(3);
    table.ShowFrequencies(2);
    table.ShowGains(2);
    EXPECT_EQ(ResultCellReading(table, GetParam().column, GetParam().row), GetParam().reading);
    SetDecimalSeparatorSource(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    AccessibleTexts, ResultCell,
    testing::Values(ResultCase{"Frequency", 0, 2, "частота, Гц: 1010"},
                    ResultCase{"Ratio", 1, 2, "частота, Гц: 1010; |k|, раз: 99,514"},
                    ResultCase{"Decibels", 2, 1, "частота, Гц: 10; |k|, дБ: 39,99"},
                    ResultCase{"HeadingWithoutItsBlank", 1, 0, "|k|, раз"}),
    [](const auto& info) { return info.param.name; });

} // namespace
