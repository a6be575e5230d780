#pragma once

#include "app/presenters/ResultTable.h"

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

// Getting the result table out: as text for the clipboard and as a CSV file. Every cell is
// written exactly as the table shows it, with the locale's decimal separator.

// A rectangle of cells in the table's own numbering (row 0 is the heading), ends included.
struct CellBlock {
    int FirstColumn;
    int FirstRow;
    int LastColumn;
    int LastRow;
};

// Every cell below the heading that carries text.
CellBlock WholeTable(const ResultTable& table);

// The block's cells as clipboard text: a tab between cells and "\n" after every row but the last
// (a front whose clipboard wants "\r\n" converts). A block that starts at the first row below the
// heading and spans all three columns gets the heading line first. Only rows that carry text are
// copied, so a table without results gives an empty text: nothing to copy.
std::string CopyText(const ResultTable& table, CellBlock block);

// The same text handed to `write` piece by piece, in order, without ever holding it whole: a front
// can measure it and then write it straight into the clipboard's memory, where a table of millions
// of rows would not fit twice. Each piece is a whole cell, a tab or a line break, so no piece ends
// inside a UTF-8 sequence. Every call under one PinnedDecimalSeparator writes the same pieces.
using TextSink = std::function<void(std::string_view piece)>;
void WriteCopyText(const ResultTable& table, CellBlock block, const TextSink& write);

// The whole table as CSV that spreadsheets open as numbers in the user's locale: UTF-8 with a
// byte-order mark, fields separated by ";" where the decimal separator is a comma and by ","
// otherwise, CRLF line ends, the heading line and then every row that carries text.
void WriteCsv(const ResultTable& table, std::ostream& out);
std::string CsvText(const ResultTable& table);

// WriteCsv into the file at `path`, through WriteFileSafely: an empty string when saved,
// otherwise the reason, in Russian.
std::string SaveTable(const ResultTable& table, const std::filesystem::path& path);
