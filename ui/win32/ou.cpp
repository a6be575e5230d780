#include "ou.h"

#include "Artwork.h"
#include "Resources.h"
#include "Text.h"
#include "UnFGr.h"
#include "Unit2.h"
#include "numerics/NumberText.h"
#include "app/CalculationCommand.h"
#include "app/EventGuard.h"
#include "app/MainWindowTexts.h"

#include <algorithm>
#include <array>
#include <windowsx.h>

namespace {

namespace Id = Form1Controls;

constexpr wchar_t kClassName[] = L"TForm1";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr const char* kCaption = "ОУ";

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kLime = RGB(0, 255, 0);

constexpr int kRowHeight = 24;
constexpr int kInitialResultRows = 5; // the heading row and four empty ones
constexpr int kParameterRows = 14;
constexpr int kNameColumnWidening = 28;

constexpr const char* kButton2Hint = "есть вопросы?.. тычь сюда";

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

void ShowCompanion(HWND window) {
    if (window == nullptr)
        return;
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

} // namespace

TForm1::TForm1(MessageBoxes& boxes)
    : boxes_(boxes), results_(state_, kInitialResultRows), parameterCells_(2, kParameterRows),
      resultCells_(results_), windowFont_(MakeFont(11, false)), titleFont_(MakeFont(16, true)),
      boldFont_(MakeFont(13, true)), regularFont_(MakeFont(13, false)),
      hintFont_(MakeFont(19, true)), circuit_(LoadArtworkBitmap(IDB_CIRCUIT)) {
    Create(kClassName, CS_DBLCLKS, GetSysColorBrush(COLOR_BTNFACE), 0, Widen(kCaption).c_str(),
           kStyle, FrameFor(kPosition, kClientSize, kStyle, 0), nullptr, 0);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), FALSE);
    SetWindowIcons(Handle(), IDI_OU);
    CreateControls();
    RunGuarded(boxes_, [this] { FormCreate(); });
}

TForm1::~TForm1() {
    // The controls go while the window's members they report to still exist.
    if (Handle() != nullptr)
        DestroyWindow(Handle());
}

void TForm1::CreateControls() {
    const HWND form = Handle();
    HFONT title = titleFont_.get();
    HFONT bold = boldFont_.get();
    HFONT regular = regularFont_.get();
    constexpr DWORD label = SS_LEFT | SS_NOPREFIX | SS_LEFTNOWORDWRAP;
    constexpr DWORD button = BS_PUSHBUTTON | WS_TABSTOP;
    constexpr DWORD edit = ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP;

    CreateControl(form, Id::Image1, L"STATIC", "", SS_OWNERDRAW, {8, 8, 393, 545}, nullptr);
    CreateControl(form, Id::Label1, L"STATIC", "Результаты  расчета", label, {656, 8, 181, 20},
                  title);
    CreateControl(form, Id::Label2, L"STATIC", "Исходные данные", label, {440, 8, 153, 20}, title);
    CreateControl(form, Id::Label3, L"STATIC", "", label, {408, 392, 48, 16}, bold);
    CreateControl(form, Id::Label4, L"STATIC", "считать на частотах, Гц", label,
                  {432, 412, 178, 16}, bold);
    CreateControl(form, Id::Label5, L"STATIC",
                  "от                          до                 с  шагом", label,
                  {424, 430, 213, 16}, regular);
    CreateControl(form, Id::BuRas, L"BUTTON", "расчет", button, {408, 520, 81, 33}, title);
    CreateControl(form, Id::Button1, L"BUTTON", "график", button | WS_DISABLED, {496, 520, 81, 33},
                  title);
    const HWND button2 = CreateControl(form, Id::Button2, L"BUTTON", "??", button,
                                       {584, 520, 49, 33}, hintFont_.get());
    hint_ = AddHoverHint(form, button2, kButton2Hint);

    GridLayout results;
    results.FixedColumns = 0;
    results.FixedRows = 1;
    results.RowHeight = kRowHeight;
    results.ColumnWidths = {77, 67, 71};
    results.TextColor = GetSysColor(COLOR_WINDOWTEXT);
    sgResult_ = std::make_unique<Grid>(form, Id::SgResult, Bounds{640, 32, 225, 521}, resultCells_,
                                       results, regular);
    resultCells_.SetGrid(sgResult_.get());
    resultActions_ = std::make_unique<ResultTableActions>(*sgResult_, results_, boxes_);

    GridLayout parameters;
    parameters.FixedColumns = 1;
    parameters.FixedRows = 1;
    parameters.RowHeight = kRowHeight;
    parameters.ColumnWidths = {64, 132}; // FormCreate moves 28 px to the names
    parameters.TextColor = kBlue;
    parameters.Editable = true;
    sgIsh_ = std::make_unique<Grid>(form, Id::SgIsh, Bounds{424, 32, 201, 353}, parameterCells_,
                                    parameters, bold);
    sgIsh_->SetEditHandler([this](int column, int row, const std::string& text) {
        RunGuarded(boxes_, [&] { SgIshSetEditText(column, row, text); });
    });

    CreateControl(form, Id::Button3, L"BUTTON", "сброс", button, {408, 480, 81, 33}, title);
    HFONT small = windowFont_.get();
    CreateControl(form, Id::EdOt, L"EDIT", "", edit, {408, 448, 73, 21}, small, WS_EX_CLIENTEDGE);
    CreateControl(form, Id::EdDo, L"EDIT", "", edit, {488, 448, 81, 21}, small, WS_EX_CLIENTEDGE);
    CreateControl(form, Id::EdDf, L"EDIT", "", edit, {576, 448, 65, 21}, small, WS_EX_CLIENTEDGE);
    CreateControl(form, Id::CheckBox1, L"BUTTON", "логарифм. шкала", BS_AUTOCHECKBOX | WS_TABSTOP,
                  {496, 488, 129, 25}, regular);
}

void TForm1::FormCreate() {
    WriteHeadingsAndNames(*this);
    sgIsh_->SetColumnWidth(0, sgIsh_->ColumnWidth(0) + kNameColumnWidening);
    sgIsh_->SetColumnWidth(1, sgIsh_->ColumnWidth(1) - kNameColumnWidening);
    // So that the user knows how to type fractions; the label grows with its text.
    const HWND separator = Control(Id::Label3);
    const std::string text = SeparatorLabelText();
    SetControlText(separator, text);
    const Bounds bounds = ChildBounds(separator);
    const int width = std::max<int>(bounds.Width, TextSize(separator, boldFont_.get(), text).cx);
    SetWindowPos(separator, nullptr, 0, 0, width, bounds.Height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::BuRasClick() {
    ::BuRasClick(*this, state_);
}

void TForm1::Button1Click() {
    state_.LogScale = LogScaleChecked();
    TellGraphWindow();
    ShowCompanion(graphWindow_ != nullptr ? graphWindow_->Handle() : nullptr);
}

void TForm1::Button2Click() {
    ShowCompanion(helpWindow_ != nullptr ? helpWindow_->Handle() : nullptr);
}

void TForm1::Button3Click() {
    for (int row = 1; row < kParameterRows; ++row)
        SetCellText(1, row, {});
    InvalidateResults();
}

void TForm1::SgIshSetEditText(int /*column*/, int /*row*/, const std::string& /*text*/) {
    InvalidateResults();
}

void TForm1::FormDblClick() {}

void TForm1::InvalidateResults() {
    results_.Clear();
    SetGraphEnabled(false);
}

void TForm1::TellGraphWindow() {
    if (graphWindow_ != nullptr)
        graphWindow_->CalcStateChanged();
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

void TForm1::CalculationEnded() {
    TellGraphWindow();
}

void TForm1::Command(int id) {
    switch (id) {
    case Id::BuRas:
        RunGuarded(boxes_, [this] { BuRasClick(); });
        break;
    case Id::Button1:
        RunGuarded(boxes_, [this] { Button1Click(); });
        break;
    case Id::Button2:
        RunGuarded(boxes_, [this] { Button2Click(); });
        break;
    case Id::Button3:
        RunGuarded(boxes_, [this] { Button3Click(); });
        break;
    default:
        break;
    }
}

LRESULT TForm1::LabelColors(HDC dc, HWND label) const {
    COLORREF color = GetSysColor(COLOR_WINDOWTEXT);
    switch (GetDlgCtrlID(label)) {
    case Id::Label2:
    case Id::Label4:
    case Id::Label5:
        color = kBlue;
        break;
    case Id::Label3:
        color = kLime;
        break;
    default:
        break;
    }
    SetTextColor(dc, color);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0)
            Command(LOWORD(wParam));
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
        RunGuarded(boxes_, [this] { FormDblClick(); });
        return 0;
    case WM_CONTEXTMENU:
        // Passed up from the result grid, which has a menu of its own.
        if (reinterpret_cast<HWND>(wParam) == sgResult_->Handle())
            resultActions_->ContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CLOSE:
        // The main window: closing it ends the program; the windows go when the loop has ended.
        ShowWindow(Handle(), SW_HIDE);
        PostQuitMessage(0);
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}
