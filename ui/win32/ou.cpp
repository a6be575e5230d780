#include "ou.h"

#include "Artwork.h"
#include "Clipboard.h"
#include "Resources.h"
#include "Text.h"
#include "UnFGr.h"
#include "Unit2.h"
#include "app/TableExport.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <cstring>
#include <windowsx.h>

namespace {

namespace Id = Form1Controls;

constexpr wchar_t kClassName[] = L"TForm1";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

static_assert(Id::CheckBox1 - Id::Image1 + 1 == kMainControls.size(),
              "one identifier per row of the layout table");

int EditId(SweepEdit edit) {
    switch (edit) {
    case SweepEdit::EdOt:
        return Id::EdOt;
    case SweepEdit::EdDo:
        return Id::EdDo;
    case SweepEdit::EdDf:
        break;
    }
    return Id::EdDf;
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

void ShowCompanion(HWND window) {
    if (window == nullptr)
        return;
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

} // namespace

TForm1::TForm1(MessageBoxes& boxes)
    : boxes_(boxes), dialogs_(dialog_, boxes), form_(*this, *this, boxes, dialogs_),
      menuBar_(form_), parameterCells_(2, kParameterRows), resultCells_(form_.Results()),
      windowFont_(MakeFont(11, false)), titleFont_(MakeFont(16, true)),
      boldFont_(MakeFont(13, true)), regularFont_(MakeFont(13, false)),
      hintFont_(MakeFont(19, true)), circuit_(LoadArtworkBitmap(IDB_CIRCUIT)) {
    Create(kClassName, CS_DBLCLKS, GetSysColorBrush(COLOR_BTNFACE), 0, Widen(kMainCaption).c_str(),
           kStyle, FrameFor(kPosition, kClientSize, kStyle, 0, true), nullptr, 0);
    // The menu bar stands above the client area, which keeps its size.
    menuBar_.Follow(Handle());
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), FALSE);
    SetWindowIcons(Handle(), IDI_OU);
    dialog_.SetOwner(Handle());
    CreateControls();
    form_.FormCreate();
}

TForm1::~TForm1() {
    // The controls go while the window's members they report to still exist.
    if (Handle() != nullptr)
        DestroyWindow(Handle());
}

HFONT TForm1::FontOf(const ControlLayout& control) const {
    switch (control.FontPixels) {
    case 16:
        return titleFont_.get();
    case 19:
        return hintFont_.get();
    case 13:
        return control.Bold ? boldFont_.get() : regularFont_.get();
    default:
        return windowFont_.get();
    }
}

void TForm1::CreateControls() {
    const HWND form = Handle();
    for (size_t i = 0; i < kMainControls.size(); ++i) {
        const ControlLayout& control = kMainControls[i];
        const int id = Id::Image1 + static_cast<int>(i);
        const Bounds bounds{control.Bounds.X, control.Bounds.Y, control.Bounds.Width,
                            control.Bounds.Height};
        const DWORD disabled = control.Enabled ? 0 : WS_DISABLED;
        switch (control.Kind) {
        case ControlKind::Picture:
            CreateControl(form, id, L"STATIC", "", SS_OWNERDRAW, bounds, nullptr);
            break;
        case ControlKind::Label:
            CreateControl(form, id, L"STATIC", control.Text,
                          SS_LEFT | SS_NOPREFIX | SS_LEFTNOWORDWRAP, bounds, FontOf(control));
            break;
        case ControlKind::Button:
            CreateControl(form, id, L"BUTTON", control.Text, BS_PUSHBUTTON | WS_TABSTOP | disabled,
                          bounds, FontOf(control));
            break;
        case ControlKind::Edit:
            CreateControl(form, id, L"EDIT", control.Text, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP,
                          bounds, FontOf(control), WS_EX_CLIENTEDGE);
            break;
        case ControlKind::CheckBox:
            CreateControl(form, id, L"BUTTON", control.Text, BS_AUTOCHECKBOX | WS_TABSTOP, bounds,
                          FontOf(control));
            break;
        case ControlKind::Grid: {
            GridLayout grid;
            grid.FixedRows = 1;
            grid.RowHeight = kGridRowHeight;
            grid.TextColor = ColourOf(control.Colour);
            if (id == Id::SgResult) {
                grid.FixedColumns = 0;
                grid.ColumnWidths.assign(kResultColumnWidths.begin(), kResultColumnWidths.end());
                sgResult_ =
                    std::make_unique<Grid>(form, id, bounds, resultCells_, grid, FontOf(control));
                resultCells_.SetGrid(sgResult_.get());
                resultActions_ =
                    std::make_unique<ResultTableActions>(*sgResult_, form_.ResultCommands());
            } else {
                grid.FixedColumns = 1;
                grid.ColumnWidths.assign(kParameterColumnWidths.begin(),
                                         kParameterColumnWidths.end());
                grid.Editable = true;
                sgIsh_ = std::make_unique<Grid>(form, id, bounds, parameterCells_, grid,
                                                FontOf(control));
                sgIsh_->SetEditHandler([this](int column, int row, const std::string& text) {
                    form_.SgIshSetEditText(column, row, text);
                });
            }
            break;
        }
        }
    }
    hint_ = AddHoverHint(form, Control(Id::Button2), kButton2Hint);
}

void TForm1::SetGraphWindow(TForm3* window) {
    graphWindow_ = window;
    form_.SetGraph(window != nullptr ? &window->Form() : nullptr);
}

void TForm1::ShowGraphWindow() {
    ShowCompanion(graphWindow_ != nullptr ? graphWindow_->Handle() : nullptr);
}

void TForm1::ShowHelpWindow() {
    ShowCompanion(helpWindow_ != nullptr ? helpWindow_->Handle() : nullptr);
}

void TForm1::SetParameterColumnWidths(int names, int values) {
    sgIsh_->SetColumnWidth(0, names);
    sgIsh_->SetColumnWidth(1, values);
}

void TForm1::SetSeparatorLabel(const std::string& text) {
    SetGrowingLabel(Id::Label3, text);
}

void TForm1::SetSweepLabel(const std::string& text, const std::string& fieldName) {
    // The label keeps its laid-out width: the table stands right of it.
    SetControlText(Control(Id::Label5), text);
    InvalidateRect(Handle(), nullptr, TRUE);
    SetHoverHint(hint_, Handle(), Control(Id::EdDf), fieldName);
}

int32_t TForm1::SweepLabelWidth(const std::string& text) const {
    return TextSize(Control(Id::Label5), regularFont_.get(), text).cx;
}

void TForm1::SetGrowingLabel(int id, const std::string& text) {
    const HWND label = Control(id);
    SetControlText(label, text);
    const ControlLayout& layout = kMainControls[static_cast<size_t>(id - Id::Image1)];
    const int width = std::max<int>(layout.Bounds.Width, TextSize(label, FontOf(layout), text).cx);
    SetWindowPos(label, nullptr, 0, 0, width, layout.Bounds.Height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TForm1::SetCaption(const std::string& text) {
    SetControlText(Handle(), text);
}

bool TForm1::TranslateKey(const MSG& message) {
    return message.message == WM_KEYDOWN && menuBar_.Key(message.wParam);
}

std::vector<CellBlock> TForm1::SelectedBlocks() const {
    const GridRange selected = sgResult_->Selection();
    return {{selected.Left, selected.Top, selected.Right, selected.Bottom}};
}

ClipboardOutcome TForm1::PutOnClipboard(const ResultTable& table, const CellBlock& block) {
    const PinnedDecimalSeparator sameTextTwice; // measured, then written
    switch (PutTextOnClipboard(sgResult_->Handle(),
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

std::string TForm1::CellText(int column, int row) const {
    return parameterCells_.Text(column, row);
}

void TForm1::SetCellText(int column, int row, const std::string& text) {
    parameterCells_.SetText(column, row, text);
    sgIsh_->CellChanged(column, row);
}

std::string TForm1::EditText(SweepEdit edit) const {
    return ControlText(Control(EditId(edit)));
}

void TForm1::SetEditText(SweepEdit edit, const std::string& text) {
    SetControlText(Control(EditId(edit)), text);
}

void TForm1::SetGraphEnabled(bool enabled) {
    EnableWindow(Control(Id::Button1), enabled);
}

bool TForm1::LogScaleChecked() const {
    return SendMessageW(Control(Id::CheckBox1), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TForm1::SetLogScaleChecked(bool checked) {
    SendMessageW(Control(Id::CheckBox1), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TForm1::ShowMessage(const std::string& text) {
    boxes_.ShowMessage(text);
}

void TForm1::Command(int id) {
    switch (id) {
    case Id::BuRas:
        form_.BuRasClick();
        break;
    case Id::Button1:
        form_.Button1Click();
        break;
    case Id::Button2:
        form_.Button2Click();
        break;
    case Id::Button3:
        form_.Button3Click();
        break;
    default:
        break;
    }
}

LRESULT TForm1::LabelColors(HDC dc, HWND label) const {
    const auto row = static_cast<size_t>(GetDlgCtrlID(label) - Id::Image1);
    SetTextColor(dc, ColourOf(row < kMainControls.size() ? kMainControls[row].Colour
                                                         : TextColour::WindowText));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0) {
            menuBar_.Choose(LOWORD(wParam));
        } else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == Id::CheckBox1) {
            form_.StageEdited();
        } else if (HIWORD(wParam) == EN_CHANGE) {
            form_.StageEdited();
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
        if (item.CtlID == Id::Image1)
            DrawPicture(item, circuit_.get());
        return TRUE;
    }
    case WM_ACTIVATE:
        // The first control of the tab order, "расчет", has the focus at start.
        focus_.Activate(Handle(), wParam, Control(Id::BuRas));
        return 0;
    case WM_LBUTTONDBLCLK:
        form_.FormDblClick();
        return 0;
    case WM_CONTEXTMENU:
        // Passed up from the result grid, which has a menu of its own.
        if (reinterpret_cast<HWND>(wParam) == sgResult_->Handle())
            resultActions_->ContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CLOSE:
        // The main window: closing it ends the program, unless the user keeps changes; the
        // windows go when the loop has ended.
        if (!form_.QueryClose())
            return 0;
        ShowWindow(Handle(), SW_HIDE);
        PostQuitMessage(0);
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}
