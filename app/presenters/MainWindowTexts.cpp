#include "MainWindowTexts.h"

#include "numerics/NumberText.h"

void WriteResultHeadings(ResultTable& table) {
    for (int column = 0; column < ResultTable::kColumns; ++column)
        table.SetHeading(column, kResultHeadings[static_cast<size_t>(column)]);
}

void WriteHeadingsAndNames(FormView& window) {
    WriteResultHeadings(window.Results());
    for (int column = 0; column < 2; ++column)
        window.SetCellText(column, 0, kParameterHeadings[static_cast<size_t>(column)]);
    for (size_t row = 1; row <= kParameterNames.size(); ++row)
        window.SetCellText(0, static_cast<int>(row), kParameterNames[row - 1]);
}

std::string SeparatorLabelText() {
    return kSeparatorLabel + DecimalSeparatorText();
}
