#include "ResultTable.h"

#include "numerics/NumberText.h"

#include <algorithm>
#include <utility>

std::string FrequencyText(double hertz) {
    return NumberToText(hertz);
}

std::string GainText(double gain) {
    return NumberToText(RoundSignificant(ResultTable::kSignificantDigits, gain));
}

ResultTable::ResultTable(int rowCount) : rowCount_(std::max(rowCount, 1)) {}

template <class Change> void ResultTable::Changing(Change change) {
    if (observer_ != nullptr)
        observer_->ResultTableAboutToChange();
    change();
    if (observer_ != nullptr)
        observer_->ResultTableChanged();
}

void ResultTable::SetHeading(int column, std::string text) {
    Changing([&] { headings_.at(static_cast<size_t>(column)) = std::move(text); });
}

std::string ResultTable::Cell(int column, int row) const {
    if (column < 0 || column >= kColumns || row < 0 || row >= rowCount_)
        return {};
    if (row == 0)
        return headings_[static_cast<size_t>(column)];
    // The series are checked too: a row is only ever shown for an element that exists.
    const auto i = static_cast<size_t>(row - 1);
    if (column == 0)
        return row <= frequencyRows_ && i < result_->Frequencies.size()
                   ? FrequencyText(result_->Frequencies[i])
                   : std::string();
    const std::vector<double>& series = column == 1 ? result_->Ratio : result_->Decibels;
    if (row > gainRows_ || i >= series.size())
        return {};
    return GainText(series[i]);
}

void ResultTable::SetRowCount(int rows) {
    Changing([&] {
        rowCount_ = std::max(rows, 1);
        frequencyRows_ = std::min(frequencyRows_, rowCount_ - 1);
        gainRows_ = std::min(gainRows_, rowCount_ - 1);
    });
}

void ResultTable::Show(SharedResult result) {
    Changing([&] {
        result_ = std::move(result);
        rowCount_ = result_->Count() + 1;
        frequencyRows_ = result_->Count();
        gainRows_ = result_->Computed;
    });
}

void ResultTable::ShowFrequencies(int32_t count) {
    Changing([&] { frequencyRows_ = std::clamp(count, 0, rowCount_ - 1); });
}

void ResultTable::ShowGains(int32_t count) {
    Changing([&] { gainRows_ = std::clamp(count, 0, rowCount_ - 1); });
}

void ResultTable::Clear() {
    Changing([&] {
        frequencyRows_ = 0;
        gainRows_ = 0;
    });
}
