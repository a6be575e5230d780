#pragma once

#include "app/presenters/ResultTable.h"
#include "calc/Stage.h"

#include <string>

// The main window's stage fields, result table, graph button and check box, as its presenter
// reads and writes them. The window implements it; tests use a fake.
class FormView {
  public:
    virtual ~FormView() = default;

    // Cells of the parameter grid SgIsh.
    virtual std::string CellText(int column, int row) const = 0;
    virtual void SetCellText(int column, int row, const std::string& text) = 0;
    // The sweep fields EdOt, EdDo, EdDf, which hold StageField::From, To and Step.
    virtual std::string EditText(StageField field) const = 0;
    virtual void SetEditText(StageField field, const std::string& text) = 0;
    // The result grid SgResult.
    virtual ResultTable& Results() = 0;
    // The graph button Button1 and the check box CheckBox1.
    virtual void SetGraphEnabled(bool enabled) = 0;
    virtual bool LogScaleChecked() const = 0;
    virtual void SetLogScaleChecked(bool checked) = 0;
    // A modal box with this one text, an OK button and no icon.
    virtual void ShowMessage(const std::string& text) = 0;
};
