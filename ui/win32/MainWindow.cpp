#include "MainWindow.h"

#include "Accessible.h"
#include "Artwork.h"
#include "Clipboard.h"
#include "Dpi.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "Text.h"
#include "app/files/TableExport.h"
#include "app/texts/AccessibleTexts.h"
#include "app/texts/Speech.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>
#include <windowsx.h>

namespace {

// A control says what it does as in every set of windows, asked whenever a reader asks: the step
// field's name follows the kind of sweep.
void Speak(HWND control, std::function<SpokenControl()> spoken) {
    const bool picture = spoken().Picture;
    ChangeSpokenSource(control, [&](SpokenSource& source) {
        source.Name = [spoken] { return spoken().Name; };
        source.Description = [spoken] { return spoken().Description; };
        source.Picture = picture;
    });
}

using Id = MainControlName;

constexpr wchar_t kClassName[] = L"TForm1";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

int EditId(StageField field) {
    return ControlId(SweepFieldControl(field));
}

COLORREF ColourOf(TextColour colour) {
    switch (colour) {
    case TextColour::Blue:
        return RGB(0, 0, 255);
    case TextColour::Lime:
        return RGB(0, 255, 0);
    case TextColour::WindowText:
        break;
    }
    return GetSysColor(COLOR_WINDOWTEXT);
}

// How a screen reader hears one of the two grids: the table as the control it is, its rows and
// cells as the grids' speech says.
GridSpeech SpeechOf(MainTable table, const GridCells& cells,
                    const std::function<SpokenControl()>& spoken) {
    const CellTextReader text = [&cells](int column, int row) { return cells.Text(column, row); };
    return {
        [spoken] { return spoken().Name; }, [spoken] { return spoken().Description; },
        [table, text, &cells](int row) {
            return SpokenRowName(table, row, cells.ColumnCount(), text);
        },
        [table, text](int column, int row) { return SpokenCellName(table, column, row, text); },
        [table, text](int column, int row) { return SpokenCellLabel(table, column, row, text); }};
}

// Where the layout table puts the control, at `dpi`.
Bounds LaidOut(const ControlLayout& control, UINT dpi) {
    return ScaleToDpi(
        Bounds{control.Bounds.X, control.Bounds.Y, control.Bounds.Width, control.Bounds.Height},
        dpi);
}

template <size_t N> std::vector<int> ScaledWidths(const std::array<int, N>& widths, UINT dpi) {
    std::vector<int> scaled;
    for (int width : widths)
        scaled.push_back(ScaleToDpi(width, dpi));
    return scaled;
}

void ShowCompanion(HWND window) {
    if (window == nullptr)
        return;
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

} // namespace

MainWindow::MainWindow(StagePresenters& presenters, MessageBoxes& boxes)
    : presenters_(presenters), boxes_(boxes), dialogs_(dialog_, boxes),
      presenter_(presenters.MakeMain(*this, *this, dialogs_)), menuBar_(presenters),
      parameterCells_(2, kParameterRows), resultCells_(presenter_.Results()), dpi_(SystemDpi()),
      fonts_(dpi_) {
    Create(kClassName, CS_DBLCLKS, GetSysColorBrush(COLOR_BTNFACE), 0, Widen(kMainCaption).c_str(),
           kStyle, LaidOutFrame(kPosition, kClientSize, kStyle, true, dpi_), nullptr, 0);
    // The menu bar stands above the client area, which keeps its size.
    menuBar_.Follow(Handle());
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.window.get()), FALSE);
    SetWindowIcons(Handle(), IDI_OU, dpi_);
    circuit_.Load(dpi_);
    dialog_.SetOwner(Handle());
    CreateControls();
    presenter_.Start();
    // Placed on a monitor of another DPI than the system's.
    if (const UINT shown = WindowDpi(Handle()); shown != dpi_) {
        ChangeDpi(shown);
        SizeForDpi(Handle(), kClientSize, true, dpi_);
    }
}

MainWindow::Fonts::Fonts(UINT dpi)
    : window(MakeFontForDpi(11, false, dpi)), title(MakeFontForDpi(16, true, dpi)),
      bold(MakeFontForDpi(13, true, dpi)), regular(MakeFontForDpi(13, false, dpi)),
      hint(MakeFontForDpi(19, true, dpi)) {}

MainWindow::~MainWindow() {
    // The controls go while the window's members they report to still exist.
    if (Handle() != nullptr)
        DestroyWindow(Handle());
    presenters_.DropMain();
}

HFONT MainWindow::FontOf(const ControlLayout& control) const {
    switch (control.FontPixels) {
    case 16:
        return fonts_.title.get();
    case 19:
        return fonts_.hint.get();
    case 13:
        return control.Bold ? fonts_.bold.get() : fonts_.regular.get();
    default:
        return fonts_.window.get();
    }
}

void MainWindow::CreateControls() {
    const HWND form = Handle();
    for (size_t i = 0; i < kMainControls.size(); ++i) {
        const ControlLayout& control = kMainControls[i];
        const int id = ControlId(static_cast<MainControlName>(i));
        const Bounds bounds = LaidOut(control, dpi_);
        const DWORD disabled = control.Enabled ? 0 : WS_DISABLED;
        const auto spoken = [this, i] {
            return MainSpokenControl(static_cast<MainControlName>(i), presenter_.Sweep());
        };
        switch (control.Kind) {
        case ControlKind::Picture:
            Speak(CreateControl(form, id, L"STATIC", "", SS_OWNERDRAW, bounds, nullptr), spoken);
            break;
        case ControlKind::Label:
            CreateControl(form, id, L"STATIC", control.Text,
                          SS_LEFT | SS_NOPREFIX | SS_LEFTNOWORDWRAP, bounds, FontOf(control));
            break;
        case ControlKind::Button:
            Speak(CreateControl(form, id, L"BUTTON", control.Text,
                                BS_PUSHBUTTON | WS_TABSTOP | disabled, bounds, FontOf(control)),
                  spoken);
            break;
        case ControlKind::Edit:
            Speak(CreateControl(form, id, L"EDIT", control.Text,
                                ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, bounds, FontOf(control),
                                WS_EX_CLIENTEDGE),
                  spoken);
            break;
        case ControlKind::CheckBox:
            Speak(CreateControl(form, id, L"BUTTON", control.Text, BS_AUTOCHECKBOX | WS_TABSTOP,
                                bounds, FontOf(control)),
                  spoken);
            break;
        case ControlKind::Grid: {
            GridLayout grid;
            grid.FixedRows = 1;
            grid.RowHeight = ScaleToDpi(kGridRowHeight, dpi_);
            grid.TextColor = ColourOf(control.Colour);
            if (id == ControlId(Id::SgResult)) {
                grid.FixedColumns = 0;
                grid.ColumnWidths = ScaledWidths(kResultColumnWidths, dpi_);
                resultGrid_ =
                    std::make_unique<Grid>(form, id, bounds, resultCells_, grid, FontOf(control));
                resultCells_.SetGrid(resultGrid_.get());
                resultGrid_->SetSpeech(SpeechOf(MainTable::Results, resultCells_, spoken));
                resultActions_ =
                    std::make_unique<ResultTableActions>(*resultGrid_, presenter_.ResultCommands());
            } else {
                grid.FixedColumns = 1;
                grid.ColumnWidths = ScaledWidths(parameterWidths_, dpi_);
                grid.Editable = true;
                parameterGrid_ = std::make_unique<Grid>(form, id, bounds, parameterCells_, grid,
                                                        FontOf(control));
                parameterGrid_->SetEditHandler(
                    [this](int column, int row, const std::string& text) {
                        presenter_.ParameterEdited(column, row, text);
                    });
                parameterGrid_->SetSpeech(SpeechOf(MainTable::Parameters, parameterCells_, spoken));
            }
            break;
        }
        }
    }
    hint_ = AddHoverHint(form, Control(ControlId(Id::Button2)), kHelpButtonHint);
}

void MainWindow::SetGraphWindow(GraphWindow* window) {
    graphWindow_ = window;
}

void MainWindow::ShowGraphWindow() {
    ShowCompanion(graphWindow_ != nullptr ? graphWindow_->Handle() : nullptr);
}

void MainWindow::ShowHelpWindow() {
    ShowCompanion(helpWindow_ != nullptr ? helpWindow_->Handle() : nullptr);
}

void MainWindow::LayOut() {
    for (size_t i = 0; i < kMainControls.size(); ++i) {
        const ControlLayout& control = kMainControls[i];
        const HWND handle = Control(ControlId(static_cast<MainControlName>(i)));
        const Bounds bounds = LaidOut(control, dpi_);
        SetWindowPos(handle, nullptr, bounds.Left, bounds.Top, bounds.Width, bounds.Height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (control.Kind != ControlKind::Picture && control.Kind != ControlKind::Grid)
            SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control)), TRUE);
    }
    const int rowHeight = ScaleToDpi(kGridRowHeight, dpi_);
    resultGrid_->SetMetrics(FontOf(MainControl(MainControlName::SgResult)), rowHeight,
                            ScaledWidths(kResultColumnWidths, dpi_));
    parameterGrid_->SetMetrics(FontOf(MainControl(MainControlName::SgIsh)), rowHeight,
                               ScaledWidths(parameterWidths_, dpi_));
    // The label that grows with its text, measured in the new font. Label5 keeps its laid-out
    // width, its words spaced for it in 96-DPI units, which the fonts scale with.
    SetGrowingLabel(ControlId(Id::Label3), ControlText(Control(ControlId(Id::Label3))));
}

void MainWindow::ChangeDpi(UINT dpi) {
    Fonts previous(std::exchange(fonts_, Fonts(dpi))); // kept until no control uses them
    dpi_ = dpi;
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.window.get()), FALSE);
    LayOut();
    circuit_.Load(dpi_);
    SetWindowIcons(Handle(), IDI_OU, dpi_);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void MainWindow::SetParameterColumnWidths(int names, int values) {
    parameterWidths_ = {names, values};
    parameterGrid_->SetColumnWidth(0, ScaleToDpi(names, dpi_));
    parameterGrid_->SetColumnWidth(1, ScaleToDpi(values, dpi_));
}

void MainWindow::SetSeparatorLabel(const std::string& text) {
    SetGrowingLabel(ControlId(Id::Label3), text);
}

void MainWindow::SetSweepLabel(const std::string& text, const std::string& fieldName) {
    // The label keeps its laid-out width: the table stands right of it.
    SetControlText(Control(ControlId(Id::Label5)), text);
    InvalidateRect(Handle(), nullptr, TRUE);
    SetHoverHint(hint_, Handle(), Control(ControlId(Id::EdDf)), fieldName);
    // The step field is named by the kind of sweep.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Control(ControlId(Id::EdDf)), OBJID_CLIENT,
                   CHILDID_SELF);
}

int32_t MainWindow::SweepLabelWidth(const std::string& text) const {
    // In the layout's pixels at 96 DPI, as the label's laid-out width is given.
    const int32_t width = TextSize(Control(ControlId(Id::Label5)), fonts_.regular.get(), text).cx;
    return MulDiv(width, kLayoutDpi, static_cast<int>(dpi_));
}

void MainWindow::SetGrowingLabel(int id, const std::string& text) {
    const HWND label = Control(id);
    SetControlText(label, text);
    const ControlLayout& layout = kMainControls[static_cast<size_t>(id - ControlId(Id::Image1))];
    const Bounds laidOut = LaidOut(layout, dpi_);
    const int width = std::max<int>(laidOut.Width, TextSize(label, FontOf(layout), text).cx);
    SetWindowPos(label, nullptr, 0, 0, width, laidOut.Height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void MainWindow::SetCaption(const std::string& text) {
    SetControlText(Handle(), text);
}

bool MainWindow::TranslateKey(const MSG& message) {
    return message.message == WM_KEYDOWN && menuBar_.Key(message.wParam);
}

std::vector<CellBlock> MainWindow::SelectedBlocks() const {
    const GridRange selected = resultGrid_->Selection();
    return {{selected.Left, selected.Top, selected.Right, selected.Bottom}};
}

ClipboardOutcome MainWindow::PutOnClipboard(const ResultTable& table, const CellBlock& block) {
    const PinnedDecimalSeparator sameTextTwice; // measured, then written
    switch (PutTextOnClipboard(resultGrid_->Handle(),
                               [&](const PieceSink& sink) { WriteCopyText(table, block, sink); })) {
    case ClipboardResult::Copied:
        break;
    case ClipboardResult::OutOfMemory:
        return ClipboardOutcome::OutOfMemory;
    case ClipboardResult::ClipboardBusy:
        return ClipboardOutcome::Busy;
    }
    return ClipboardOutcome::Copied;
}

std::string MainWindow::CellText(int column, int row) const {
    return parameterCells_.Text(column, row);
}

void MainWindow::SetCellText(int column, int row, const std::string& text) {
    parameterCells_.SetText(column, row, text);
    parameterGrid_->CellChanged(column, row);
}

std::string MainWindow::EditText(StageField field) const {
    return ControlText(Control(EditId(field)));
}

void MainWindow::SetEditText(StageField field, const std::string& text) {
    SetControlText(Control(EditId(field)), text);
}

void MainWindow::SetGraphEnabled(bool enabled) {
    EnableWindow(Control(ControlId(Id::Button1)), enabled);
}

bool MainWindow::LogScaleChecked() const {
    return SendMessageW(Control(ControlId(Id::CheckBox1)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::SetLogScaleChecked(bool checked) {
    SendMessageW(Control(ControlId(Id::CheckBox1)), BM_SETCHECK,
                 checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainWindow::ShowMessage(const std::string& text) {
    boxes_.ShowMessage(text);
}

void MainWindow::Command(int id) {
    switch (id) {
    case ControlId(Id::BuRas):
        presenter_.Calculate();
        break;
    case ControlId(Id::Button1):
        presenter_.ShowGraph();
        break;
    case ControlId(Id::Button2):
        presenter_.ShowHelp();
        break;
    case ControlId(Id::Button3):
        presenter_.Reset();
        break;
    default:
        break;
    }
}

LRESULT MainWindow::LabelColors(HDC dc, HWND label) const {
    const auto row = static_cast<size_t>(GetDlgCtrlID(label) - ControlId(Id::Image1));
    SetTextColor(dc, ColourOf(row < kMainControls.size() ? kMainControls[row].Colour
                                                         : TextColour::WindowText));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0) {
            menuBar_.Choose(LOWORD(wParam));
        } else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == ControlId(Id::CheckBox1)) {
            presenter_.StageEdited();
        } else if (HIWORD(wParam) == EN_CHANGE) {
            presenter_.StageEdited();
        } else if (HIWORD(wParam) == BN_CLICKED) {
            Command(LOWORD(wParam));
        }
        return 0;
    case WM_INITMENUPOPUP:
        menuBar_.MenuOpening(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return LabelColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID == ControlId(Id::Image1))
            circuit_.Draw(item);
        return TRUE;
    }
    case WM_DPICHANGED:
        ChangeDpi(NewDpi(wParam));
        MoveToSuggestedRect(Handle(), lParam);
        return 0;
    case WM_ACTIVATE:
        // The first control of the tab order, "расчет", has the focus at start.
        focus_.Activate(Handle(), wParam, Control(ControlId(Id::BuRas)));
        return 0;
    case WM_CONTEXTMENU:
        // Passed up from the result grid, which has a menu of its own.
        if (reinterpret_cast<HWND>(wParam) == resultGrid_->Handle())
            resultActions_->ContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CLOSE:
        // The main window: closing it ends the program, unless the user keeps changes; the
        // windows go when the loop has ended.
        if (!presenter_.QueryClose())
            return 0;
        ShowWindow(Handle(), SW_HIDE);
        PostQuitMessage(0);
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}
