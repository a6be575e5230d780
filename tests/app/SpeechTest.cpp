#include "app/Speech.h"

#include "app/MainWindowTexts.h"

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
                    CellCase{"EmptyParameterValue", P, 1, 2, "R2, кОм", "R2, кОм: пусто"},
                    CellCase{"NameWithABlank", P, 1, 12, "Rвх оу, МОм", "Rвх оу, МОм: пусто"},
                    CellCase{"ParameterName", P, 0, 13, "f1, МГц", "f1, МГц"},
                    CellCase{"ParameterHeading", P, 1, 0, "значение", "значение"},
                    CellCase{"Frequency", R, 0, 1, "частота, Гц", "частота, Гц: 1010"},
                    CellCase{"Ratio", R, 1, 1, "частота, Гц: 1010; |k|, раз",
                             "частота, Гц: 1010; |k|, раз: 99,514"},
                    CellCase{"Decibels", R, 2, 1, "частота, Гц: 1010; |k|, дБ",
                             "частота, Гц: 1010; |k|, дБ: 39,958"},
                    CellCase{"GainOfAnEmptyRow", R, 1, 2, "|k|, раз", "|k|, раз: пусто"},
                    CellCase{"PaddedHeading", R, 2, 0, "|k|, дБ", "|k|, дБ"}),
    [](const testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

TEST(RowSpeech, FirstCellOrEveryHeading) {
    EXPECT_EQ(SpokenRowName(P, 0, 2, &ParameterText), "параметр; значение");
    EXPECT_EQ(SpokenRowName(P, 5, 2, &ParameterText), "R5, кОм");
    EXPECT_EQ(SpokenRowName(R, 0, 3, &ResultText), "частота, Гц; |k|, раз; |k|, дБ");
    EXPECT_EQ(SpokenRowName(R, 1, 3, &ResultText), "частота, Гц: 1010");
}

TEST(TableSpeech, NamedByTheHeadingAbove) {
    EXPECT_EQ(SpokenTableName(P), "Исходные данные");
    EXPECT_EQ(SpokenTableName(R), "Результаты расчета");
}

struct ControlCase {
    const char* control;
    SweepKind sweep;
    std::string spoken;
};

class ControlSpeech : public testing::TestWithParam<ControlCase> {};

TEST_P(ControlSpeech, SaysWhatTheControlIsFor) {
    EXPECT_EQ(SpokenControlName(MainControl(GetParam().control), GetParam().sweep),
              GetParam().spoken);
}

constexpr auto L = SweepKind::Linear;
constexpr auto D = SweepKind::Decade;

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ControlSpeech,
    testing::Values(ControlCase{"EdOt", L, "от, Гц"}, ControlCase{"EdDo", D, "до, Гц"},
                    ControlCase{"EdDf", L, "с шагом, Гц"},
                    ControlCase{"EdDf", D, "точек на декаду"}, ControlCase{"BuRas", L, "расчет"},
                    ControlCase{"Button2", L, "справка"},
                    ControlCase{"CheckBox1", D, "логарифмическая шкала"}),
    [](const testing::TestParamInfo<ControlCase>& info) {
        return std::string(info.param.control) + (info.param.sweep == D ? "Decade" : "Linear");
    });

} // namespace
