#pragma once

#include "Artwork.h"
#include "Controls.h"
#include "FileDialog.h"
#include "Grid.h"
#include "MenuBar.h"
#include "Resources.h"
#include "ResultTableActions.h"
#include "ResultTableCells.h"
#include "Window.h"
#include "app/presenters/MainLayout.h"
#include "app/presenters/MainView.h"
#include "app/presenters/MessageBoxes.h"
#include "app/presenters/TableCommands.h"
#include "app/session/StagePresenters.h"
#include "calc/SweepResult.h"

#include <memory>

class HelpWindow;
class GraphWindow;

// A main window control's ID: 100 and its row of the layout table (its creation order, which is
// also the tab order of the focusable ones). GetDlgItem(main window, ControlId(…)) finds it.
constexpr int ControlId(MainControlName control) {
    return 100 + static_cast<int>(control);
}

// The main window "ОУ": the circuit diagram, the parameter grid SgIsh, the sweep fields, the
// result table SgResult and the commands. It creates the controls from the layout table and
// forwards their events to its presenter, MainPresenter, which keeps the last result and makes
// every decision. Closing it ends the program's message loop. It is laid out at its monitor's DPI,
// and again when Windows moves it to a monitor of another.
class MainWindow final : public Window, public MainView, public TableView {
  public:
    static constexpr POINT kPosition = {kMainFrame.X, kMainFrame.Y};
    static constexpr SIZE kClientSize = {kMainFrame.Width, kMainFrame.Height}; // at 96 DPI

    MainWindow(StagePresenters& presenters, MessageBoxes& boxes);
    ~MainWindow() override;

    MainPresenter& Presenter() { return presenter_; }
    const SweepResult& Result() const { return presenter_.Result(); }
    // The DPI the window is laid out at.
    UINT Dpi() const { return dpi_; }
    // The two grids, for what reads them besides the window (tests, the benchmark).
    Grid& ParameterGrid() { return *parameterGrid_; }
    Grid& ResultGrid() { return *resultGrid_; }
    // The windows that "график" and "??" show.
    void SetGraphWindow(GraphWindow* window);
    void SetHelpWindow(HelpWindow* window) { helpWindow_ = window; }
    // Where "Сохранить таблицу…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser) { presenter_.SetFileChooser(chooser); }

    // MainView
    std::string CellText(int column, int row) const override;
    void SetCellText(int column, int row, const std::string& text) override;
    std::string EditText(StageField field) const override;
    void SetEditText(StageField field, const std::string& text) override;
    ResultTable& Results() override { return presenter_.Results(); }
    void SetGraphEnabled(bool enabled) override;
    bool LogScaleChecked() const override;
    void SetLogScaleChecked(bool checked) override;
    void ShowMessage(const std::string& text) override;
    void ShowGraphWindow() override;
    void ShowHelpWindow() override;
    void SetParameterColumnWidths(int names, int values) override;
    void SetSeparatorLabel(const std::string& text) override;
    void SetSweepLabel(const std::string& text, const std::string& fieldName) override;
    int32_t SweepLabelWidth(const std::string& text) const override;
    void SetCaption(const std::string& text) override;
    void MenusChanged() override { menuBar_.Follow(Handle()); }
    void CloseWindow() override { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

    // TableView
    std::vector<CellBlock> SelectedBlocks() const override;
    void SelectAll() override { resultGrid_->SelectAll(); }
    void ClearSelection() override { resultGrid_->CollapseSelection(); }
    ClipboardOutcome PutOnClipboard(const ResultTable& table, const CellBlock& block) override;

    bool TranslateKey(const MSG& message) override;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    // Places, sizes and sets the font of every control for the window's DPI.
    void LayOut();
    void ChangeDpi(UINT dpi);
    // A label that grows with its text, in its font.
    void SetGrowingLabel(int id, const std::string& text);
    HFONT FontOf(const ControlLayout& control) const;
    void Command(int id);
    LRESULT LabelColors(HDC dc, HWND label) const;
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

    // The window's fonts at one DPI; their sizes at 96 DPI.
    struct Fonts {
        explicit Fonts(UINT dpi);
        GdiHandle<HFONT> window;  // 11 px, the window's default
        GdiHandle<HFONT> title;   // 16 px bold: Label1, Label2 and the buttons
        GdiHandle<HFONT> bold;    // 13 px bold: Label3, Label4, SgIsh
        GdiHandle<HFONT> regular; // 13 px: Label5, SgResult, CheckBox1
        GdiHandle<HFONT> hint;    // 19 px bold: Button2
    };

    StagePresenters& presenters_;
    MessageBoxes& boxes_;
    FileDialog dialog_;
    TurnTakingChooser dialogs_;
    MainPresenter& presenter_;
    MenuBar menuBar_;
    StoredCells parameterCells_;
    ResultTableCells resultCells_;
    UINT dpi_;
    Fonts fonts_;
    ArtworkPicture circuit_{IDB_CIRCUIT};
    // SgIsh's column widths as the presenter sets them, at 96 DPI.
    std::array<int, 2> parameterWidths_ = kParameterColumnWidths;
    std::unique_ptr<Grid> resultGrid_;
    std::unique_ptr<ResultTableActions> resultActions_;
    std::unique_ptr<Grid> parameterGrid_;
    HWND hint_ = nullptr;
    FocusKeeper focus_;
    GraphWindow* graphWindow_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
};
