#pragma once

#include "CalcWindow.h"
#include "FittedText.h"
#include "SweepKind.h"

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
// Label3: "разделитель - " and the locale's decimal separator, so that the user knows how to type
// fractions.
std::string SeparatorLabelText();

// Label5's words, each over its sweep field: "от", "до", then the third field's name, over a
// decade sweep in full or, where that does not fit, in its standard abbreviation.
inline constexpr const char* kSweepFromWord = "от";
inline constexpr const char* kSweepToWord = "до";
inline constexpr const char* kStepWords = "с  шагом";
inline constexpr const char* kPointsPerDecadeWords = "точек на декаду";
inline constexpr const char* kPointsPerDecadeShort = "точек/дек.";
// EdDf's name in full, its tooltip and accessible name, by the kind of sweep.
inline constexpr const char* kStepFieldName = "шаг, Гц";
inline constexpr const char* kPointsPerDecadeFieldName = "точек на декаду";

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
