#pragma once

#include "app/presenters/FittedText.h"
#include "app/presenters/FormView.h"
#include "app/texts/Texts.h"
#include "calc/SweepKind.h"

#include <cstdint>
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

// Label5's text and the name of the field under its last words, EdDf.
struct SweepLabel {
    std::string Text;
    std::string FieldName;
};
// The label `width` pixels wide, its words spaced in the label's font to start over EdDo
// (`toField` pixels from the label's left edge) and EdDf (`thirdField`), or as far right as the
// width lets them: the full words where they fit, else the abbreviation. The field's name always
// in full.
SweepLabel SweepLabelFor(SweepKind sweep, int32_t width, int32_t toField, int32_t thirdField,
                         const TextWidth& measure);
