#include "Speech.h"

#include "SpeechTexts.h"

#include <cstring>

namespace {

std::string WithoutPadding(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Runs of blanks read as one: Label1 is laid out as "Результаты  расчета".
std::string SingleBlanks(const std::string& text) {
    std::string single;
    for (char c : WithoutPadding(text))
        if (c != ' ' || single.empty() || single.back() != ' ')
            single += c;
    return single;
}

std::string Spoken(const std::string& label, const std::string& value) {
    return label + kSpeechLabelEnd + (value.empty() ? std::string(kEmptyCellSpeech) : value);
}

} // namespace

std::string SpokenHeading(const std::string& heading) {
    std::string spoken;
    const std::string text = WithoutPadding(heading);
    for (size_t i = 0; i < text.size(); ++i) {
        spoken += text[i];
        if (text[i] == ',' && i + 1 < text.size() && text[i + 1] != ' ')
            spoken += ' ';
    }
    return spoken;
}

std::string SpokenTableName(MainTable table) {
    return SingleBlanks(MainControl(table == MainTable::Parameters ? MainControlName::Label2
                                                                   : MainControlName::Label1)
                            .Text);
}

std::string SpokenCellLabel(MainTable table, int column, int row, const CellTextReader& text) {
    if (row == 0)
        return SpokenHeading(text(column, 0));
    if (table == MainTable::Parameters)
        return SpokenHeading(text(0, row));
    const std::string heading = SpokenHeading(text(column, 0));
    if (column == 0)
        return heading;
    const std::string frequency = text(0, row);
    if (frequency.empty())
        return heading;
    return Spoken(SpokenHeading(text(0, 0)), frequency) + kSpeechPartEnd + heading;
}

std::string SpokenCellName(MainTable table, int column, int row, const CellTextReader& text) {
    const std::string label = SpokenCellLabel(table, column, row, text);
    const bool readsItsText = row > 0 && !(table == MainTable::Parameters && column == 0);
    return readsItsText ? Spoken(label, text(column, row)) : label;
}

std::string SpokenRowName(MainTable table, int row, int columns, const CellTextReader& text) {
    if (row > 0)
        return SpokenCellName(table, 0, row, text);
    std::string headings;
    for (int column = 0; column < columns; ++column)
        headings += (column > 0 ? kSpeechPartEnd : "") + SpokenHeading(text(column, 0));
    return headings;
}
