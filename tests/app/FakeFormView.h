#pragma once

#include "app/presenters/FormView.h"

#include <array>
#include <string>
#include <vector>

// The main window's fields, table, button and check box, with plain strings for controls; over
// MainView for the main window's presenter.
template <class Window> class FakeWindow : public Window {
  public:
    FakeWindow() : results(5) {}

    std::string CellText(int column, int row) const override { return grid.at(row).at(column); }
    void SetCellText(int column, int row, const std::string& text) override {
        grid.at(row).at(column) = text;
    }
    std::string EditText(StageField field) const override { return edits.at(Index(field)); }
    void SetEditText(StageField field, const std::string& text) override {
        edits.at(Index(field)) = text;
    }
    ResultTable& Results() override { return results; }
    void SetGraphEnabled(bool enabled) override { graphEnabled = enabled; }
    bool LogScaleChecked() const override { return logScaleChecked; }
    void SetLogScaleChecked(bool checked) override { logScaleChecked = checked; }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    // Types the thirteen parameters into column 1 and the sweep into the three fields.
    void Type(const std::array<std::string, 13>& parameters, const std::string& from,
              const std::string& to, const std::string& step) {
        for (int row = 1; row <= 13; ++row)
            grid.at(row).at(1) = parameters.at(row - 1);
        edits = {from, to, step};
    }

    std::array<std::array<std::string, 2>, 14> grid{};
    std::array<std::string, 3> edits{};
    ResultTable results;
    bool graphEnabled = false;
    bool logScaleChecked = false;
    std::vector<std::string> messages;

  private:
    static size_t Index(StageField field) {
        return static_cast<size_t>(field) - static_cast<size_t>(StageField::From);
    }
};

using FakeFormView = FakeWindow<FormView>;
