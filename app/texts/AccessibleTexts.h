#pragma once

#include "app/presenters/ResultTable.h"
#include "calc/SweepKind.h"

#include <array>
#include <string>

// What a screen reader says for the main window, the same for every set of windows: each
// control's accessible name and, where its text alone says too little, a description; and how
// the cells of the two grids read, each with the heading it stands under.

// A control's name and description for screen readers; nullptr leaves the toolkit's own (a
// button's or a check box's text).
struct AccessibleControlText {
    const char* Control; // the control's object name
    const char* Name;
    const char* Description;
};

inline constexpr std::array<AccessibleControlText, 11> kMainAccessibleTexts = {{
    {"Image1", "схема каскада",
     "неинвертирующий усилитель на ОУ с цепями R1–R5 и C1–C5, коэффициент усиления ОУ k0, "
     "входное сопротивление Rвх, частота единичного усиления f1"},
    {"SgIsh", "Исходные данные",
     "параметры каскада: в каждой строке имя с единицей и значение, вводится в столбце "
     "«значение»"},
    {"SgResult", "Результаты расчета",
     "для каждой частоты расчета модуль коэффициента усиления в разах и в децибелах"},
    {"EdOt", "от, Гц", "первая частота расчета"},
    {"EdDo", "до, Гц", "последняя частота расчета"},
    {"EdDf", nullptr, nullptr}, // named by the kind of sweep: StepFieldName
    {"BuRas", nullptr, "рассчитать усиление на частотах от и до"},
    {"Button1", nullptr, "показать график усиления по результатам расчета"},
    {"Button2", nullptr, "справка о программе"},
    {"Button3", nullptr, "очистить значения параметров"},
    {"CheckBox1", nullptr, "график в децибелах над логарифмом частоты"},
}};

// EdDf's name: the step in Hz of a linear sweep, or the points per decade of a logarithmic one.
const char* StepFieldName(SweepKind sweep);

// A parameter grid's cell as read aloud: a value with its parameter and unit, "R1, кОм: 100"
// ("R1, кОм: пусто" before one is typed); a heading or a name as it stands.
std::string ParameterCellReading(int column, int row, const std::string& text);

// A result cell as read aloud: the row's frequency, then the cell's column and value,
// "частота, Гц: 1010; |k|, раз: 99,514"; a heading as it stands, without its leading blank.
std::string ResultCellReading(const ResultTable& table, int column, int row);

// What a screen reader says of a control of the windows of "Разброс…" (the dialog, the progress
// box, the results box), found by its object name (app/spread/SpreadControls.h): its name ("" keeps
// the control's own: a button's text, a histogram's reading), its description, and whether it is
// a picture rather than a pane. A tolerance field reads "допуск R1, %", not the parameter's label
// beside it; a choice reads its label, not the item chosen.
struct SpokenControl {
    std::string Name;
    std::string Description;
    bool Picture = false;
};
SpokenControl SpreadSpokenControl(const std::string& objectName);
// The same for the control of the Win32 windows with ID `id`.
SpokenControl SpreadSpokenControl(int id);
// The same for the windows of "Подбор номиналов…" (app/design/DesignControls.h): a range field
// reads "от: R1,кОм", a part's check "подбирать R1".
SpokenControl DesignSpokenControl(const std::string& objectName);
SpokenControl DesignSpokenControl(int id);

// The progress bar's value as read aloud: "45 %" for 450 permille.
std::string SpokenProgress(int permille);
