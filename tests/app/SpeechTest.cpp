#include "app/texts/Speech.h"

#include "app/presenters/MainWindowTexts.h"
#include "app/texts/AccessibleTexts.h"

#include <array>
#include <gtest/gtest.h>

namespace {

// The two tables as FormCreate and a calculation fill them: R1 = 100, the other values empty;
// one computed row and an empty one below it.
std::string ParameterText(int column, int row) {
    if (row == 0)
        return kParameterHeadings.at(static_cast<size_t>(column));
    if (column == 0)
        return kParameterNames.at(static_cast<size_t>(row - 1));
    return row == 1 ? "100" : "";
}

std::string ResultText(int column, int row) {
    if (row == 0)
        return kResultHeadings.at(static_cast<size_t>(column));
    if (row > 1)
        return "";
    return std::array<const char*, 3>{"1010", "99,514", "39,958"}.at(static_cast<size_t>(column));
}

struct CellCase {
    const char* name;
    MainTable table;
    int column;
    int row;
    std::string label;
    std::string spoken;
};

class CellSpeech : public testing::TestWithParam<CellCase> {};

TEST_P(CellSpeech, CarriesTheHeadingAndTheParameter) {
    const CellCase& c = GetParam();
    const CellTextReader text = c.table == MainTable::Parameters ? &ParameterText : &ResultText;
    EXPECT_EQ(SpokenCellLabel(c.table, c.column, c.row, text), c.label);
    EXPECT_EQ(SpokenCellName(c.table, c.column, c.row, text), c.spoken);
}

constexpr auto P = MainTable::Parameters;
constexpr auto R = MainTable::Results;

INSTANTIATE_TEST_SUITE_P(
    MainTables, CellSpeech,
    testing::Values(CellCase{"ParameterValue", P, 1, 1, "R1, кОм", "R1, кОм: 100"},
                    CellCase{"EmptyParameterValue", P, 1, 12, "Rвх оу, МОм", "Rвх оу, МОм: пусто"},
                    CellCase{"ParameterName", P, 0, 13, "f1, МГц", "f1, МГц"},
                    CellCase{"Frequency", R, 0, 1, "частота, Гц", "частота, Гц: 1010"},
                    CellCase{"Ratio", R, 1, 1, "частота, Гц: 1010; |k|, раз",
                             "частота, Гц: 1010; |k|, раз: 99,514"},
                    CellCase{"GainOfAnEmptyRow", R, 1, 2, "|k|, раз", "|k|, раз: пусто"}),
    [](const testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

TEST(RowAndTableSpeech, FirstCellOrEveryHeadingAndTheHeadingAbove) {
    EXPECT_EQ(SpokenRowName(P, 0, 2, &ParameterText), "параметр; значение");
    EXPECT_EQ(SpokenRowName(P, 5, 2, &ParameterText), "R5, кОм");
    EXPECT_EQ(SpokenRowName(R, 1, 3, &ResultText), "частота, Гц: 1010");
    EXPECT_EQ(SpokenTableName(P), "Исходные данные");
    EXPECT_EQ(SpokenTableName(R), "Результаты расчета");
}

// Each sweep field by what it holds, the step field by the kind of sweep; a button by its text
// unless that says too little read aloud; a grid by its heading; a label by its own text.
TEST(ControlSpeech, SaysWhatTheControlIsFor) {
    using enum MainControlName;
    const auto spoken = [](MainControlName control, SweepKind sweep) {
        return MainSpokenControl(control, sweep).Name;
    };
    EXPECT_EQ(spoken(SgIsh, SweepKind::Linear), "Исходные данные");
    EXPECT_EQ(spoken(CheckBox1, SweepKind::Linear), "логарифмическая шкала");
    EXPECT_EQ(spoken(Label5, SweepKind::Linear), "");
    EXPECT_TRUE(MainSpokenControl(Image1, SweepKind::Linear).Picture);
    EXPECT_EQ(MainSpokenControl(EdDf, SweepKind::Linear).Description, "");
    EXPECT_EQ(MainSpokenControl(EdOt, SweepKind::Linear).Description, "первая частота расчета");
    EXPECT_EQ(spoken(EdOt, SweepKind::Linear), "от, Гц");
    EXPECT_EQ(spoken(EdDo, SweepKind::Decade), "до, Гц");
    EXPECT_EQ(spoken(EdDf, SweepKind::Linear), "с шагом, Гц");
    EXPECT_EQ(spoken(EdDf, SweepKind::Decade), "точек на декаду");
    EXPECT_EQ(spoken(BuRas, SweepKind::Linear), "расчет");
    EXPECT_EQ(spoken(Button2, SweepKind::Linear), "справка");
}

} // namespace
