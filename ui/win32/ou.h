#pragma once

#include "Controls.h"
#include "Grid.h"
#include "ResultTableActions.h"
#include "ResultTableCells.h"
#include "Window.h"
#include "app/CalcState.h"
#include "app/CalcWindow.h"
#include "app/MessageBoxes.h"
#include "app/ResultTable.h"

#include <memory>

class TForm2;
class TForm3;

// Control identifiers of the main window, in creation order, which is also the tab order of the
// focusable ones. GetDlgItem(Form1, id) finds a control.
namespace Form1Controls {
enum : int {
    Image1 = 100,
    Label1,
    Label2,
    Label3,
    Label4,
    Label5,
    BuRas,
    Button1,
    Button2,
    SgResult,
    SgIsh,
    Button3,
    EdOt,
    EdDo,
    EdDf,
    CheckBox1,
};
}

// The main window "ОУ": the circuit diagram, the parameter grid SgIsh, the sweep fields, the
// result table SgResult and the commands. It owns the calculation state for the whole run and is
// what the calculation command sees of the outside world (CalcWindow). Closing it ends the
// program's message loop.
class TForm1 final : public Window, public CalcWindow {
  public:
    static constexpr POINT kPosition = {137, 114};
    static constexpr SIZE kClientSize = {871, 557};

    explicit TForm1(MessageBoxes& boxes);
    ~TForm1() override;

    const CalcState& State() const { return state_; }
    CalcState& State() { return state_; }
    // The two grids, for what reads them besides the window (tests, the benchmark).
    Grid& SgIsh() { return *sgIsh_; }
    Grid& SgResult() { return *sgResult_; }
    ResultTableActions& ResultActions() { return *resultActions_; }
    // The windows that "график" and "??" show.
    void SetGraphWindow(TForm3* window) { graphWindow_ = window; }
    void SetHelpWindow(TForm2* window) { helpWindow_ = window; }

    // Event handlers, each run through the top-level error handler.
    void FormCreate();
    void BuRasClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void SgIshSetEditText(int column, int row, const std::string& text);
    void FormDblClick();

    // CalcWindow
    std::string CellText(int column, int row) const override;
    void SetCellText(int column, int row, const std::string& text) override;
    std::string EditText(SweepEdit edit) const override;
    void SetEditText(SweepEdit edit, const std::string& text) override;
    ResultTable& Results() override { return results_; }
    void SetGraphEnabled(bool enabled) override;
    bool LogScaleChecked() const override;
    void SetLogScaleChecked(bool checked) override;
    void ShowMessage(const std::string& text) override;
    void CalculationEnded() override;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void Command(int id);
    LRESULT LabelColors(HDC dc, HWND label) const;
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }
    // Steps shared by reset and by an edit of a parameter: the results are no longer valid.
    void InvalidateResults();
    // The graph's data or mode have changed: an open graph window follows them.
    void TellGraphWindow();

    MessageBoxes& boxes_;
    CalcState state_;
    ResultTable results_;
    StoredCells parameterCells_;
    ResultTableCells resultCells_;
    GdiHandle<HFONT> windowFont_;  // 11 px, the window's default
    GdiHandle<HFONT> titleFont_;   // 16 px bold: Label1, Label2 and the buttons
    GdiHandle<HFONT> boldFont_;    // 13 px bold: Label3, Label4, SgIsh
    GdiHandle<HFONT> regularFont_; // 13 px: Label5, SgResult, CheckBox1
    GdiHandle<HFONT> hintFont_;    // 19 px bold: Button2
    GdiHandle<HBITMAP> circuit_;
    std::unique_ptr<Grid> sgResult_;
    std::unique_ptr<ResultTableActions> resultActions_;
    std::unique_ptr<Grid> sgIsh_;
    HWND hint_ = nullptr;
    FocusKeeper focus_;
    TForm3* graphWindow_ = nullptr;
    TForm2* helpWindow_ = nullptr;
};
