#include "MainWindowTexts.h"

#include "CalculationCommand.h"
#include "numerics/NumberText.h"

void WriteHeadingsAndNames(CalcWindow& window) {
    for (int column = 0; column < ResultTable::kColumns; ++column)
        window.Results().SetHeading(column, kResultHeadings[static_cast<size_t>(column)]);
    for (int column = 0; column < 2; ++column)
        window.SetCellText(column, 0, kParameterHeadings[static_cast<size_t>(column)]);
    for (size_t row = 1; row <= kParameterNames.size(); ++row)
        window.SetCellText(0, static_cast<int>(row), kParameterNames[row - 1]);
}

std::string SeparatorLabelText() {
    return kSeparatorLabel + DecimalSeparatorText();
}

SweepLabel SweepLabelFor(SweepKind sweep, int32_t width, const TextWidth& measure) {
    if (sweep == SweepKind::Linear)
        return {SweepLabelText(sweep), kStepFieldName};
    const std::string full = SweepLabelText(sweep);
    return {measure(full) <= width ? full : kDecadeSweepLabelShort, kPointsPerDecadeFieldName};
}
