#include "AccessibleTexts.h"

#include "app/presenters/MainWindowTexts.h"
#include "app/texts/Speech.h"
#include "app/texts/SpeechTexts.h"

// The cells read as app/texts/Speech decides for every set of windows; these adapt it to the
// ways the Qt models hand over a cell.

const char* StepFieldName(SweepKind sweep) {
    return sweep == SweepKind::Decade ? kSweepPointsName : kSweepStepName;
}

std::string ParameterCellReading(int column, int row, const std::string& text) {
    if (column != 1 || row < 1 || row > static_cast<int>(kParameterNames.size()))
        return text;
    return SpokenCellName(MainTable::Parameters, column, row, [&](int c, int r) {
        return c == 0 ? std::string(kParameterNames[static_cast<size_t>(r - 1)]) : text;
    });
}

std::string ResultCellReading(const ResultTable& table, int column, int row) {
    return SpokenCellName(MainTable::Results, column, row,
                          [&](int c, int r) { return table.Cell(c, r); });
}
