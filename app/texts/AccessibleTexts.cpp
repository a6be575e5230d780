#include "AccessibleTexts.h"

#include "app/presenters/MainWindowTexts.h"

namespace {

constexpr const char* kEmptyValue = "пусто";
constexpr const char* kLinearStepName = "с шагом, Гц";
constexpr const char* kDecadeStepName = "точек на декаду";

// "R1,кОм" → "R1, кОм": the name and unit as separate words, so a reader pauses between them.
std::string SpokenName(std::string name) {
    if (const size_t comma = name.find(','); comma != std::string::npos)
        name.insert(comma + 1, " ");
    return name;
}

// " |k|, раз" → "|k|, раз".
std::string Heading(const ResultTable& table, int column) {
    std::string heading = table.Cell(column, 0);
    heading.erase(0, heading.find_first_not_of(' '));
    return heading;
}

} // namespace

const char* StepFieldName(SweepKind sweep) {
    return sweep == SweepKind::Decade ? kDecadeStepName : kLinearStepName;
}

std::string ParameterCellReading(int column, int row, const std::string& text) {
    if (column != 1 || row < 1 || row > static_cast<int>(kParameterNames.size()))
        return text;
    return SpokenName(kParameterNames[static_cast<size_t>(row - 1)]) + ": " +
           (text.empty() ? kEmptyValue : text);
}

std::string ResultCellReading(const ResultTable& table, int column, int row) {
    if (row == 0)
        return Heading(table, column);
    std::string reading = Heading(table, 0) + ": " + table.Cell(0, row);
    if (column > 0)
        reading += "; " + Heading(table, column) + ": " + table.Cell(column, row);
    return reading;
}
