#include "WindowTestHelpers.h"
#include "app/presenters/MainLayout.h"
#include "app/texts/Texts.h"

#include <array>
#include <commctrl.h>

namespace {

using Id = MainControlName;

// A label's or check box's colours as the window answers WM_CTLCOLORSTATIC.
COLORREF StaticTextColor(HWND parent, HWND control) {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
    const COLORREF color = GetTextColor(dc);
    DeleteDC(dc);
    return color;
}

struct ClassSearch {
    const wchar_t* name;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOfClass(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<ClassSearch*>(data);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (lstrcmpiW(name, search.name) == 0)
        search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> ThreadWindowsOfClass(const wchar_t* className) {
    ClassSearch search{className, {}};
    EnumThreadWindows(GetCurrentThreadId(), &CollectOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font = {};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof font, &font);
    return font;
}

// The control laid out in row `index` of the layout table, which numbers the controls in order.
int IdOf(size_t index) {
    return ControlId(static_cast<MainControlName>(index));
}

class MainWindowControls : public ProgramTest, public testing::WithParamInterface<size_t> {};

TEST_P(MainWindowControls, StandAsLaidOut) {
    const ControlLayout& c = kMainControls[GetParam()];
    const HWND control = Control(IdOf(GetParam()));
    ASSERT_NE(control, nullptr);
    Bounds bounds = ChildBounds(control);
    if (std::string(c.Name) == "Label3") {
        // It grows with the text Start writes into it.
        EXPECT_GE(bounds.Width, c.Bounds.Width);
        bounds.Width = c.Bounds.Width;
    } else if (std::string(c.Name) != "Label5") { // its words spaced in its font

        EXPECT_EQ(Text(control), c.Text);
    }
    EXPECT_EQ(bounds.Left, c.Bounds.X);
    EXPECT_EQ(bounds.Top, c.Bounds.Y);
    EXPECT_EQ(bounds.Width, c.Bounds.Width);
    EXPECT_EQ(bounds.Height, c.Bounds.Height);
    EXPECT_EQ(IsWindowEnabled(control) != FALSE, c.Enabled);
    if (c.Kind == ControlKind::Label) {
        const COLORREF colours[] = {GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 255), RGB(0, 255, 0)};
        EXPECT_EQ(StaticTextColor(Main().Handle(), control), colours[int(c.Colour)]);
    }
    if (c.Kind != ControlKind::Picture) {
        const LOGFONTW font = FontOf(control);
        EXPECT_EQ(font.lfHeight, -c.FontPixels);
        EXPECT_EQ(font.lfWeight, c.Bold ? FW_BOLD : FW_NORMAL);
        EXPECT_EQ(Narrow(font.lfFaceName), "MS Sans Serif");
    }
}

INSTANTIATE_TEST_SUITE_P(Layout, MainWindowControls,
                         testing::Range(size_t{0}, kMainControls.size()),
                         [](const testing::TestParamInfo<size_t>& info) {
                             return std::string(kMainControls[info.param].Name);
                         });

using MainWindowOnScreen = ProgramTest;

TEST_F(MainWindowOnScreen, StartsWithAnEmptyForm) {
    const std::array<const char*, 13> names = {"R1,кОм", "R2,кОм",     "R3,кОм", "R4,кОм", "R5,кОм",
                                               "C1,мкФ", "C2,пФ",      "C3,мкФ", "C4,пФ",  "C5,пФ",
                                               "k0,раз", "Rвх оу,МОм", "f1,МГц"};
    EXPECT_EQ(Main().CellText(0, 0), "параметр");
    EXPECT_EQ(Main().CellText(1, 0), "значение");
    for (int row = 1; row <= 13; ++row) {
        EXPECT_EQ(Main().CellText(0, row), names.at(static_cast<size_t>(row - 1)));
        EXPECT_EQ(Main().CellText(1, row), "");
    }
    EXPECT_EQ(ResultRowCount(), 5);
    EXPECT_EQ(ResultCell(0, 0), "частота, Гц");
    EXPECT_EQ(ResultCell(1, 0), " |k|, раз");
    EXPECT_EQ(ResultCell(2, 0), " |k|, дБ");
    EXPECT_EQ(ResultCell(0, 1), "");
    // The name column was widened at creation; the result columns are as laid out.
    EXPECT_EQ(Main().ParameterGrid().ColumnWidth(0), 92);
    EXPECT_EQ(Main().ParameterGrid().ColumnWidth(1), 104);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(Main().ResultGrid().ColumnWidth(column), kResultColumnWidths[size_t(column)]);
    EXPECT_FALSE(IsWindowEnabled(Control(Id::Button1)));
    EXPECT_EQ(SendMessageW(Control(Id::CheckBox1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // All fourteen parameter rows fit: no scroll bar.
    const auto style = GetWindowLongPtrW(Control(Id::SgIsh), GWL_STYLE);
    EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL), 0);
}

TEST_F(MainWindowOnScreen, SeparatorLabelNamesTheLocaleSeparatorAndGrowsWithIt) {
    EXPECT_EQ(Text(Control(Id::Label3)), "разделитель - .");
    const Bounds label = ChildBounds(Control(Id::Label3));
    EXPECT_EQ(label.Left, 408);
    EXPECT_EQ(label.Top, 392);
    EXPECT_EQ(label.Height, 16);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Control(Id::Label3), WM_GETFONT, 0, 0));
    EXPECT_GE(label.Width,
              std::max<int>(48, TextSize(Control(Id::Label3), font, "разделитель - .").cx));

    SetDecimalSeparatorSource([] { return U','; });
    StagePresenters commaPresenters(boxes);
    MainWindow comma(commaPresenters, boxes);
    EXPECT_EQ(Text(GetDlgItem(comma.Handle(), ControlId(Id::Label3))), "разделитель - ,");
    SetDecimalSeparatorSource(nullptr);
}

TEST_F(MainWindowOnScreen, TabOrderAsLaidOut) {
    // The dialog manager moves focus in the order the children stand: the focusable controls in
    // the order they are laid out.
    std::vector<int> expected;
    for (size_t i = 0; i < kMainControls.size(); ++i)
        if (kMainControls[i].Kind != ControlKind::Picture &&
            kMainControls[i].Kind != ControlKind::Label)
            expected.push_back(IdOf(i));
    std::vector<int> order;
    for (HWND child = GetWindow(Main().Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) != 0)
            order.push_back(GetDlgCtrlID(child));
    }
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowOnScreen, TabMovesThroughTheControlsPastTheDisabledOne) {
    SetFocus(Control(Id::BuRas));
    ASSERT_EQ(GetFocus(), Control(Id::BuRas));
    std::vector<int> visited;
    for (int i = 0; i < 9; ++i) {
        PressKey(VK_TAB);
        visited.push_back(GetDlgCtrlID(GetFocus()));
    }
    // "график" is disabled at start; the parameter grid keeps the focus itself, not an editor.
    EXPECT_EQ(visited, (std::vector<int>{
                           ControlId(Id::Button2), ControlId(Id::SgResult), ControlId(Id::SgIsh),
                           ControlId(Id::Button3), ControlId(Id::EdOt), ControlId(Id::EdDo),
                           ControlId(Id::EdDf), ControlId(Id::CheckBox1), ControlId(Id::BuRas)}));
}

TEST_F(MainWindowOnScreen, KeepsItsFocusWhileAnotherWindowIsActive) {
    // "расчет" is the first control of the tab order.
    EXPECT_EQ(GetFocus(), Control(Id::BuRas));
    // "??" takes the focus as it is clicked, and the help window comes to the front.
    Click(Control(Id::Button2));
    const HWND help = windows->Help.Handle();
    ASSERT_EQ(GetActiveWindow(), help);
    EXPECT_EQ(GetFocus(), GetDlgItem(help, Form2Controls::Button1));
    SetActiveWindow(Main().Handle());
    EXPECT_EQ(GetFocus(), Control(Id::Button2));
    SetFocus(Control(Id::EdDo));
    SetActiveWindow(help);
    SetActiveWindow(Main().Handle());
    EXPECT_EQ(GetFocus(), Control(Id::EdDo));
}

TEST_F(MainWindowOnScreen, KeyboardEditsAParameterThroughTheMessageLoop) {
    SetFocus(Control(Id::SgIsh));
    PressKey(VK_DOWN); // from the first value down to R2
    TypeCharacters(GetFocus(), "4");
    ASSERT_TRUE(Main().ParameterGrid().Editing());
    TypeCharacters(GetFocus(), "7");
    // Enter ends the edit in the grid; it presses no button.
    PressKey(VK_RETURN);
    EXPECT_FALSE(Main().ParameterGrid().Editing());
    EXPECT_EQ(Main().CellText(1, 2), "47");
    EXPECT_EQ(GetFocus(), Control(Id::SgIsh));
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), Control(Id::Button3));
}

// The text of a control's hover hint, from the tooltip its window owns.
std::string HoverHint(HWND owner, HWND control) {
    HWND tooltip = nullptr;
    for (HWND candidate : ThreadWindowsOfClass(TOOLTIPS_CLASSW))
        if (GetWindow(candidate, GW_OWNER) == owner)
            tooltip = candidate;
    if (tooltip == nullptr)
        return "no tooltip";
    wchar_t text[80] = {};
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    return Narrow(text);
}

// The third sweep field's hint names it in full, whatever Label5 can show over it.
TEST_F(MainWindowOnScreen, QuestionMarksButtonAndTheThirdSweepFieldHaveTheirHoverHints) {
    const HWND form = Main().Handle();
    EXPECT_EQ(HoverHint(form, Control(Id::Button2)), "есть вопросы?.. тычь сюда");
    EXPECT_EQ(HoverHint(form, Control(Id::EdDf)), "шаг, Гц");
    SendMessageW(form, WM_COMMAND, MAKEWPARAM(MenuItem(form, kDecadeSweepCommand), 0), 0);
    EXPECT_EQ(HoverHint(form, Control(Id::EdDf)), "точек на декаду");
}

class LabelsOfTheLayout : public ProgramTest, public testing::WithParamInterface<bool> {};

// Each label of the layout, over either kind of sweep, shows its whole text in its font and stays
// clear of the other controls.
TEST_P(LabelsOfTheLayout, FitTheirControlsAndClearTheirNeighbours) {
    if (GetParam())
        SendMessageW(Main().Handle(), WM_COMMAND,
                     MAKEWPARAM(MenuItem(Main().Handle(), kDecadeSweepCommand), 0), 0);
    const auto bounds = [&](size_t i) {
        RECT rect{};
        GetWindowRect(Control(ControlId(static_cast<MainControlName>(i))), &rect);
        return rect;
    };
    for (size_t i = 0; i < kMainControls.size(); ++i) {
        if (kMainControls[i].Kind != ControlKind::Label)
            continue;
        const HWND label = Control(ControlId(static_cast<MainControlName>(i)));
        const std::wstring text = Widen(Text(label));
        HDC dc = GetDC(label);
        const HGDIOBJ before =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, before);
        ReleaseDC(label, dc);
        EXPECT_LE(size.cx, ClientSize(label).cx) << kMainControls[i].Name;
        for (size_t j = 0; j < kMainControls.size(); ++j) {
            RECT overlap{};
            const RECT mine = bounds(i), theirs = bounds(j);
            EXPECT_TRUE(j == i || !IntersectRect(&overlap, &mine, &theirs))
                << kMainControls[i].Name << " " << kMainControls[j].Name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, LabelsOfTheLayout, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Decade" : "Linear"; });

} // namespace
