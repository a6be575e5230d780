#pragma once

#include "app/presenters/MainLayout.h"
#include "app/presenters/ResultTable.h"
#include "calc/SweepKind.h"

#include <string>

// What a screen reader says for every window, the same for every set of windows: each control's
// accessible name and, where its name alone says too little, a description; and how the cells of
// the two grids read, each with the heading it stands under.

// A control's name ("" keeps the control's own: a label's text, a histogram's reading), its
// description, and whether it is a picture rather than a pane.
struct SpokenControl {
    std::string Name;
    std::string Description;
    bool Picture = false;
};

// A control of the main window: a button or check box by its own text unless that says too
// little read aloud ("??"), the sweep fields by what each holds (the step field by the kind of
// sweep), the grids by the headings above them, the circuit as a picture; a label by its text.
SpokenControl MainSpokenControl(MainControlName control, SweepKind sweep);

// A parameter grid's cell as read aloud: a value with its parameter and unit, "R1, кОм: 100"
// ("R1, кОм: пусто" before one is typed); a heading or a name as it stands.
std::string ParameterCellReading(int column, int row, const std::string& text);

// A result cell as read aloud: the row's frequency, then the cell's column and value,
// "частота, Гц: 1010; |k|, раз: 99,514"; a heading as it stands, without its leading blank.
std::string ResultCellReading(const ResultTable& table, int column, int row);

// A control of the windows of "Разброс…" (the dialog, the progress box, the results box), found by
// its object name (app/spread/SpreadControls.h). A tolerance field reads "допуск R1, %", not the
// parameter's label beside it; a choice reads its label, not the item chosen.
SpokenControl SpreadSpokenControl(const std::string& objectName);
// The same for the control of the Win32 windows with ID `id`.
SpokenControl SpreadSpokenControl(int id);
// The same for the windows of "Подбор номиналов…" (app/design/DesignControls.h): a range field
// reads "от: R1,кОм", a part's check "подбирать R1".
SpokenControl DesignSpokenControl(const std::string& objectName);
SpokenControl DesignSpokenControl(int id);

// The progress bar's value as read aloud: "45 %" for 450 permille.
std::string SpokenProgress(int permille);
