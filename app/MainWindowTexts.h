#pragma once

#include "CalcWindow.h"

#include <array>
#include <string>

// The texts the main window's FormCreate writes into its grids and its separator label, the same
// for every set of windows.

// SgResult, row 0; the two gain headings begin with a blank.
inline constexpr std::array<const char*, 3> kResultHeadings = {"частота, Гц", " |k|, раз",
                                                               " |k|, дБ"};
// SgIsh, row 0.
inline constexpr std::array<const char*, 2> kParameterHeadings = {"параметр", "значение"};
// SgIsh, column 0, rows 1 to 13: the parameters with their units of entry.
inline constexpr std::array<const char*, 13> kParameterNames = {
    "R1,кОм", "R2,кОм", "R3,кОм", "R4,кОм", "R5,кОм",     "C1,мкФ", "C2,пФ",
    "C3,мкФ", "C4,пФ",  "C5,пФ",  "k0,раз", "Rвх оу,МОм", "f1,МГц"};
// Label3, followed by the locale's decimal separator.
inline constexpr const char* kSeparatorLabel = "разделитель - ";

// FormCreate's texts: the result table's headings and the parameter grid's headings and names.
void WriteHeadingsAndNames(CalcWindow& window);
// The result table's headings alone, as the window's table has them (a table written without a
// window is the same to the byte).
void WriteResultHeadings(ResultTable& table);
// Label3: "разделитель - " and the locale's decimal separator, so that the user knows how to type
// fractions.
std::string SeparatorLabelText();
