#include "HeadlessForm.h"

#include "MainWindowTexts.h"

namespace {

// As the main window starts: the heading row and four empty ones.
constexpr int kInitialResultRows = 5;

} // namespace

HeadlessForm::HeadlessForm() : results_(state_, kInitialResultRows) {
    // The same headings as the window's, so the table's CSV is the same to the byte.
    WriteHeadingsAndNames(*this);
}

std::string HeadlessForm::CellText(int column, int row) const {
    return cells_.at(static_cast<size_t>(row)).at(static_cast<size_t>(column));
}

void HeadlessForm::SetCellText(int column, int row, const std::string& text) {
    cells_.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)) = text;
}

std::string HeadlessForm::EditText(SweepEdit edit) const {
    return edits_.at(static_cast<size_t>(edit));
}

void HeadlessForm::SetEditText(SweepEdit edit, const std::string& text) {
    edits_.at(static_cast<size_t>(edit)) = text;
}

void HeadlessForm::ShowMessage(const std::string& text) {
    if (message_.empty())
        message_ = text;
}
