#include "MainWindowTexts.h"

#include "numerics/NumberText.h"

#include <algorithm>

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

namespace {

// The words, each after as many blanks as keep it at or before its place (one at least).
std::string Spaced(const char* third, int32_t width, int32_t toField, int32_t thirdField,
                   const TextWidth& measure) {
    std::string text = kSweepFromWord;
    const auto append = [&](const char* word, int32_t place) {
        std::string gap = " ";
        while (measure(text + gap + " ") <= place)
            gap += ' ';
        text += gap + word;
    };
    append(kSweepToWord, toField);
    append(third, std::min(thirdField, width - measure(third)));
    return text;
}

} // namespace

SweepLabel SweepLabelFor(SweepKind sweep, int32_t width, int32_t toField, int32_t thirdField,
                         const TextWidth& measure) {
    if (sweep == SweepKind::Linear)
        return {Spaced(kStepWords, width, toField, thirdField, measure), kStepFieldName};
    std::string full = Spaced(kPointsPerDecadeWords, width, toField, thirdField, measure);
    if (measure(full) <= width)
        return {std::move(full), kPointsPerDecadeFieldName};
    return {Spaced(kPointsPerDecadeShort, width, toField, thirdField, measure),
            kPointsPerDecadeFieldName};
}
