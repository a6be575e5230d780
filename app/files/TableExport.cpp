#include "TableExport.h"

#include "app/files/SafeFile.h"
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

// The part of the block that carries text below the heading; empty (first after last) if none.
CellBlock CopiedCells(const ResultTable& table, CellBlock block) {
    return {std::max(block.FirstColumn, 0), std::max(block.FirstRow, 1),
            std::min(block.LastColumn, ResultTable::kColumns - 1),
            std::min(block.LastRow, table.FilledRows())};
}

} // namespace

CellBlock WholeTable(const ResultTable& table) {
    return {0, 1, ResultTable::kColumns - 1, table.FilledRows()};
}

void WriteCopyText(const ResultTable& table, CellBlock block, const TextSink& write) {
    // Plain variables rather than a structured binding, which clang 14 (the fuzz build) cannot
    // capture in the lambda below.
    const CellBlock cells = CopiedCells(table, block);
    const int firstColumn = cells.FirstColumn, firstRow = cells.FirstRow;
    const int lastColumn = cells.LastColumn, lastRow = cells.LastRow;
    if (firstColumn > lastColumn || firstRow > lastRow)
        return;

    const PinnedDecimalSeparator oneSeparator;
    bool firstLine = true;
    const auto writeRow = [&](int row) {
        if (!firstLine)
            write("\n");
        firstLine = false;
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (column > firstColumn)
                write("\t");
            write(table.Cell(column, row));
        }
    };
    if (firstRow == 1 && firstColumn == 0 && lastColumn == ResultTable::kColumns - 1)
        writeRow(0);
    for (int row = firstRow; row <= lastRow; ++row)
        writeRow(row);
}

std::string CopyText(const ResultTable& table, CellBlock block) {
    std::string text;
    // Room for the longest cells at once: a million rows would otherwise be copied again at
    // every doubling, and the pages a generous reserve leaves untouched cost nothing.
    constexpr size_t kLongestCell = 24;
    const CellBlock copied = CopiedCells(table, block);
    if (copied.FirstColumn <= copied.LastColumn && copied.FirstRow <= copied.LastRow)
        text.reserve(static_cast<size_t>(copied.LastRow - copied.FirstRow + 2) *
                     static_cast<size_t>(copied.LastColumn - copied.FirstColumn + 1) *
                     (kLongestCell + 1));
    WriteCopyText(table, block, [&](std::string_view piece) { text += piece; });
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
