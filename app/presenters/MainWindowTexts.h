#pragma once

#include "app/presenters/FormView.h"
#include "app/texts/Texts.h"

#include <string>

// The texts the main window's Start writes into its grids and its separator label, the same
// for every set of windows; the texts themselves are in the catalogue.

// Start's texts: the result table's headings and the parameter grid's headings and names.
void WriteHeadingsAndNames(FormView& window);
// The result table's headings alone, as the window's table has them (a table written without a
// window is the same to the byte).
void WriteResultHeadings(ResultTable& table);
// Label3: "разделитель - " and the locale's decimal separator, so that the user knows how to type
// fractions.
std::string SeparatorLabelText();
