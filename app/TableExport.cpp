#include "TableExport.h"

#include "SafeFile.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <sstream>

namespace {

// A field as CSV holds it: quoted, its quotes doubled, when it contains the field separator, a
// quote or a line break ("частота, Гц" under ",").
void WriteField(std::ostream& out, const std::string& text, char separator) {
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
        out << text;
        return;
    }
    out << '"';
    for (const char c : text) {
        if (c == '"')
            out << '"';
        out << c;
    }
    out << '"';
}

void WriteCsvRow(std::ostream& out, const ResultTable& table, int row, char separator) {
    for (int column = 0; column < ResultTable::kColumns; ++column) {
        if (column > 0)
            out << separator;
        WriteField(out, table.Cell(column, row), separator);
    }
    out << "\r\n";
}

} // namespace

CellBlock WholeTable(const ResultTable& table) {
    return {0, 1, ResultTable::kColumns - 1, table.FilledRows()};
}

std::string CopyText(const ResultTable& table, CellBlock block) {
    const int firstColumn = std::max(block.FirstColumn, 0);
    const int lastColumn = std::min(block.LastColumn, ResultTable::kColumns - 1);
    const int firstRow = std::max(block.FirstRow, 1);
    const int lastRow = std::min(block.LastRow, table.FilledRows());
    if (firstColumn > lastColumn || firstRow > lastRow)
        return {};

    const PinnedDecimalSeparator oneSeparator;
    std::string text;
    // Room for the longest cells at once: a million rows would otherwise be copied again at
    // every doubling, and the pages a generous reserve leaves untouched cost nothing.
    constexpr size_t kLongestCell = 24;
    text.reserve(static_cast<size_t>(lastRow - firstRow + 2) *
                 static_cast<size_t>(lastColumn - firstColumn + 1) * (kLongestCell + 1));
    bool firstLine = true;
    const auto appendRow = [&](int row) {
        if (!firstLine)
            text += '\n';
        firstLine = false;
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (column > firstColumn)
                text += '\t';
            text += table.Cell(column, row);
        }
    };
    if (firstRow == 1 && firstColumn == 0 && lastColumn == ResultTable::kColumns - 1)
        appendRow(0);
    for (int row = firstRow; row <= lastRow; ++row)
        appendRow(row);
    return text;
}

void WriteCsv(const ResultTable& table, std::ostream& out) {
    const PinnedDecimalSeparator oneSeparator;
    const char separator = DecimalSeparator() == U',' ? ';' : ',';
    out << "\xEF\xBB\xBF";
    for (int row = 0; row <= table.FilledRows(); ++row)
        WriteCsvRow(out, table, row, separator);
}

std::string CsvText(const ResultTable& table) {
    std::ostringstream out;
    WriteCsv(table, out);
    return std::move(out).str();
}

std::string SaveTable(const ResultTable& table, const std::filesystem::path& path) {
    return WriteFileSafely(path, [&](std::ostream& out) { WriteCsv(table, out); });
}
