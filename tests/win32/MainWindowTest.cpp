#include "WindowTestHelpers.h"

#include <array>
#include <commctrl.h>

namespace {

namespace Id = Form1Controls;

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

struct ControlCase {
    const char* name;
    int id;
    Bounds bounds;
    const char* text;
    int fontPixels;
    bool bold;
};

const ControlCase kControls[] = {
    {"Image1", Id::Image1, {8, 8, 393, 545}, "", 0, false},
    {"Label1", Id::Label1, {656, 8, 181, 20}, "Результаты  расчета", 16, true},
    {"Label2", Id::Label2, {440, 8, 153, 20}, "Исходные данные", 16, true},
    {"Label4", Id::Label4, {432, 412, 178, 16}, "считать на частотах, Гц", 13, true},
    {"Label5",
     Id::Label5,
     {424, 430, 213, 16},
     "от                          до                 с  шагом",
     13,
     false},
    {"BuRas", Id::BuRas, {408, 520, 81, 33}, "расчет", 16, true},
    {"Button1", Id::Button1, {496, 520, 81, 33}, "график", 16, true},
    {"Button2", Id::Button2, {584, 520, 49, 33}, "??", 19, true},
    {"SgResult", Id::SgResult, {640, 32, 225, 521}, "", 13, false},
    {"SgIsh", Id::SgIsh, {424, 32, 201, 353}, "", 13, true},
    {"Button3", Id::Button3, {408, 480, 81, 33}, "сброс", 16, true},
    {"EdOt", Id::EdOt, {408, 448, 73, 21}, "", 11, false},
    {"EdDo", Id::EdDo, {488, 448, 81, 21}, "", 11, false},
    {"EdDf", Id::EdDf, {576, 448, 65, 21}, "", 11, false},
    {"CheckBox1", Id::CheckBox1, {496, 488, 129, 25}, "логарифм. шкала", 13, false},
};

class MainWindowControls : public ProgramTest, public testing::WithParamInterface<ControlCase> {};

TEST_P(MainWindowControls, StandAsLaidOut) {
    const ControlCase& c = GetParam();
    const HWND control = Control(c.id);
    ASSERT_NE(control, nullptr);
    const Bounds bounds = ChildBounds(control);
    EXPECT_EQ(bounds.Left, c.bounds.Left);
    EXPECT_EQ(bounds.Top, c.bounds.Top);
    EXPECT_EQ(bounds.Width, c.bounds.Width);
    EXPECT_EQ(bounds.Height, c.bounds.Height);
    EXPECT_EQ(Text(control), c.text);
    if (c.fontPixels != 0) {
        const LOGFONTW font = FontOf(control);
        EXPECT_EQ(font.lfHeight, -c.fontPixels);
        EXPECT_EQ(font.lfWeight, c.bold ? FW_BOLD : FW_NORMAL);
        EXPECT_EQ(Narrow(font.lfFaceName), "MS Sans Serif");
    }
}

INSTANTIATE_TEST_SUITE_P(Layout, MainWindowControls, testing::ValuesIn(kControls),
                         [](const testing::TestParamInfo<ControlCase>& info) {
                             return std::string(info.param.name);
                         });

using MainWindow = ProgramTest;

TEST_F(MainWindow, LabelsInTheirColours) {
    const HWND form = Form1().Handle();
    const COLORREF blue = RGB(0, 0, 255);
    EXPECT_EQ(StaticTextColor(form, Control(Id::Label1)), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(StaticTextColor(form, Control(Id::Label2)), blue);
    EXPECT_EQ(StaticTextColor(form, Control(Id::Label3)), RGB(0, 255, 0));
    EXPECT_EQ(StaticTextColor(form, Control(Id::Label4)), blue);
    EXPECT_EQ(StaticTextColor(form, Control(Id::Label5)), blue);
}

TEST_F(MainWindow, StartsWithAnEmptyForm) {
    const std::array<const char*, 13> names = {"R1,кОм", "R2,кОм",     "R3,кОм", "R4,кОм", "R5,кОм",
                                               "C1,мкФ", "C2,пФ",      "C3,мкФ", "C4,пФ",  "C5,пФ",
                                               "k0,раз", "Rвх оу,МОм", "f1,МГц"};
    EXPECT_EQ(Form1().CellText(0, 0), "параметр");
    EXPECT_EQ(Form1().CellText(1, 0), "значение");
    for (int row = 1; row <= 13; ++row) {
        EXPECT_EQ(Form1().CellText(0, row), names.at(static_cast<size_t>(row - 1)));
        EXPECT_EQ(Form1().CellText(1, row), "");
    }
    EXPECT_EQ(ResultRowCount(), 5);
    EXPECT_EQ(ResultCell(0, 0), "частота, Гц");
    EXPECT_EQ(ResultCell(1, 0), " |k|, раз");
    EXPECT_EQ(ResultCell(2, 0), " |k|, дБ");
    EXPECT_EQ(ResultCell(0, 1), "");
    // The name column was widened at creation; the result columns are as laid out.
    EXPECT_EQ(Form1().SgIsh().ColumnWidth(0), 92);
    EXPECT_EQ(Form1().SgIsh().ColumnWidth(1), 104);
    EXPECT_EQ(Form1().SgResult().ColumnWidth(0), 77);
    EXPECT_EQ(Form1().SgResult().ColumnWidth(1), 67);
    EXPECT_EQ(Form1().SgResult().ColumnWidth(2), 71);
    EXPECT_FALSE(IsWindowEnabled(Control(Id::Button1)));
    EXPECT_EQ(SendMessageW(Control(Id::CheckBox1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // All fourteen parameter rows fit: no scroll bar.
    const auto style = GetWindowLongPtrW(Control(Id::SgIsh), GWL_STYLE);
    EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL), 0);
}

TEST_F(MainWindow, SeparatorLabelNamesTheLocaleSeparatorAndGrowsWithIt) {
    EXPECT_EQ(Text(Control(Id::Label3)), "разделитель - .");
    const Bounds label = ChildBounds(Control(Id::Label3));
    EXPECT_EQ(label.Left, 408);
    EXPECT_EQ(label.Top, 392);
    EXPECT_EQ(label.Height, 16);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Control(Id::Label3), WM_GETFONT, 0, 0));
    EXPECT_GE(label.Width,
              std::max<int>(48, TextSize(Control(Id::Label3), font, "разделитель - .").cx));

    SetDecimalSeparatorSource([] { return U','; });
    TForm1 comma(boxes);
    EXPECT_EQ(Text(GetDlgItem(comma.Handle(), Id::Label3)), "разделитель - ,");
    SetDecimalSeparatorSource(nullptr);
}

TEST_F(MainWindow, TabOrderAsLaidOut) {
    // The dialog manager moves focus in the order the children stand.
    const std::vector<int> expected = {Id::BuRas, Id::Button1,  Id::Button2, Id::SgResult,
                                       Id::SgIsh, Id::Button3,  Id::EdOt,    Id::EdDo,
                                       Id::EdDf,  Id::CheckBox1};
    std::vector<int> order;
    for (HWND child = GetWindow(Form1().Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) != 0)
            order.push_back(GetDlgCtrlID(child));
    }
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindow, TabMovesThroughTheControlsPastTheDisabledOne) {
    SetFocus(Control(Id::BuRas));
    ASSERT_EQ(GetFocus(), Control(Id::BuRas));
    std::vector<int> visited;
    for (int i = 0; i < 9; ++i) {
        PressKey(VK_TAB);
        visited.push_back(GetDlgCtrlID(GetFocus()));
    }
    // "график" is disabled at start; the parameter grid keeps the focus itself, not an editor.
    EXPECT_EQ(visited, (std::vector<int>{Id::Button2, Id::SgResult, Id::SgIsh, Id::Button3,
                                         Id::EdOt, Id::EdDo, Id::EdDf, Id::CheckBox1, Id::BuRas}));
}

TEST_F(MainWindow, KeepsItsFocusWhileAnotherWindowIsActive) {
    // "расчет" is the first control of the tab order.
    EXPECT_EQ(GetFocus(), Control(Id::BuRas));
    // "??" takes the focus as it is clicked, and the help window comes to the front.
    Click(Control(Id::Button2));
    const HWND help = windows->Form2.Handle();
    ASSERT_EQ(GetActiveWindow(), help);
    EXPECT_EQ(GetFocus(), GetDlgItem(help, Form2Controls::Button1));
    SetActiveWindow(Form1().Handle());
    EXPECT_EQ(GetFocus(), Control(Id::Button2));
    SetFocus(Control(Id::EdDo));
    SetActiveWindow(help);
    SetActiveWindow(Form1().Handle());
    EXPECT_EQ(GetFocus(), Control(Id::EdDo));
}

TEST_F(MainWindow, KeyboardEditsAParameterThroughTheMessageLoop) {
    SetFocus(Control(Id::SgIsh));
    PressKey(VK_DOWN); // from the first value down to R2
    TypeCharacters(GetFocus(), "4");
    ASSERT_TRUE(Form1().SgIsh().Editing());
    TypeCharacters(GetFocus(), "7");
    // Enter ends the edit in the grid; it presses no button.
    PressKey(VK_RETURN);
    EXPECT_FALSE(Form1().SgIsh().Editing());
    EXPECT_EQ(Form1().CellText(1, 2), "47");
    EXPECT_EQ(GetFocus(), Control(Id::SgIsh));
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), Control(Id::Button3));
}

TEST_F(MainWindow, QuestionMarksButtonHasItsHoverHint) {
    HWND tooltip = nullptr;
    for (HWND candidate : ThreadWindowsOfClass(TOOLTIPS_CLASSW))
        if (GetWindow(candidate, GW_OWNER) == Form1().Handle())
            tooltip = candidate;
    ASSERT_NE(tooltip, nullptr);
    wchar_t text[80] = {};
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = Form1().Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Control(Id::Button2));
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(Narrow(text), "есть вопросы?.. тычь сюда");
}

} // namespace
