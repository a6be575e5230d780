#pragma once

#include "calc/SweepResult.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

// A number as the table writes it: a frequency with every digit, a gain (ratio or dB) rounded to
// about five significant digits.
std::string FrequencyText(double hertz);
std::string GainText(double gain);

// Told before and after every change of the table, so that a view can follow it.
class ResultTableObserver {
  public:
    virtual ~ResultTableObserver() = default;
    virtual void ResultTableAboutToChange() = 0;
    virtual void ResultTableChanged() = 0;
};

// The result table: a heading row (row 0) and rows of frequency, |k| and dB. Its cells are not
// stored as text: each reads, when asked, exactly what the calculation writes into it, from the
// series of the result it shows. So a sweep of millions of frequencies costs no memory here.
class ResultTable {
  public:
    static constexpr int kColumns = 3;
    static constexpr int kSignificantDigits = 5; // the gains are shown rounded, the series are not

    explicit ResultTable(int rowCount);

    void SetObserver(ResultTableObserver* observer) { observer_ = observer; }

    void SetHeading(int column, std::string text);
    int RowCount() const { return rowCount_; } // heading row included
    std::string Cell(int column, int row) const;
    // Rows 1 … FilledRows carry text below the heading; none after start-up, reset or an edit.
    int32_t FilledRows() const { return std::max(frequencyRows_, gainRows_); }

    // Rows 1 … rows − 1 below the heading; rows beyond the count are dropped.
    void SetRowCount(int rows);
    // A calculation's rows: one per frequency, its gains in the rows it computed.
    void Show(SharedResult result);
    // The result whose rows the table shows, or last showed.
    const SharedResult& Result() const { return result_; }
    // Rows 1 … count show the result's Frequencies[0 … count − 1] in column 0.
    void ShowFrequencies(int32_t count);
    // Rows 1 … count show Ratio and Decibels in columns 1 and 2.
    void ShowGains(int32_t count);
    // Empties every row below the heading; the row count stays.
    void Clear();

  private:
    template <class Change> void Changing(Change change);

    SharedResult result_ = NoResult();
    std::array<std::string, kColumns> headings_;
    int rowCount_;
    int32_t frequencyRows_ = 0;
    int32_t gainRows_ = 0;
    ResultTableObserver* observer_ = nullptr;
};
