#pragma once

#include "app/presenters/FormView.h"
#include "app/presenters/MainLayout.h"
#include "calc/SweepKind.h"

#include <functional>
#include <string>

// What a screen reader says of the main window, the same for every set of windows: the names of
// its two tables, of their rows and cells, and of the controls. A cell is read with what it
// stands for, so that a listener moving from cell to cell knows where she is without seeing the
// table:
//   SgIsh     "R1, кОм: 100"                           the parameter, then the value
//   SgResult  "частота, Гц: 1010; |k|, раз: 99,514"    the row's frequency, then the column's gain
// Rows and columns count from 0, row 0 holding the headings, as the grids number them.

enum class MainTable { Parameters, Results }; // SgIsh, SgResult

// A cell's text as the table shows it.
using CellTextReader = std::function<std::string(int column, int row)>;

// A heading or parameter name as it is read: the padding blanks gone, a blank after each comma
// ("R1,кОм" → "R1, кОм", " |k|, раз" → "|k|, раз").
std::string SpokenHeading(const std::string& heading);

// The table's name: the heading above it, "Исходные данные" or "Результаты расчета".
std::string SpokenTableName(MainTable table);

// What the cell stands for, without its own text: "R1, кОм"; in the result table the row's
// frequency and the column, "частота, Гц: 1010; |k|, раз". A heading stands for itself.
std::string SpokenCellLabel(MainTable table, int column, int row, const CellTextReader& text);

// The label and the text: "R1, кОм: 100", "R1, кОм: пусто"; a heading is its own text.
std::string SpokenCellName(MainTable table, int column, int row, const CellTextReader& text);

// A row is named by its first cell; the heading row by all its headings, "параметр; значение".
std::string SpokenRowName(MainTable table, int row, int columns, const CellTextReader& text);
