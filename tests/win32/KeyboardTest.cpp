#include "WindowTestHelpers.h"
#include "ui/win32/Clipboard.h"
#include "ui/win32/Win32MessageBoxes.h"

#include <string_view>

// The keyboard alone, as a user without a mouse drives the program.

namespace {

using Id = MainControlName;

// Answers Windows' own message boxes as a user pressing Enter would, noting each box's owner and
// the unowned windows that could still be used while it was up.
class BoxAnswerer {
  public:
    BoxAnswerer() : hook_(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) {
        owners.clear();
        usable.clear();
    }
    ~BoxAnswerer() { UnhookWindowsHookEx(hook_); }

    static inline std::vector<HWND> owners;
    static inline std::vector<HWND> usable;

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto box = reinterpret_cast<HWND>(wParam);
        wchar_t name[8] = {};
        if (code == HCBT_ACTIVATE && GetClassNameW(box, name, 8) > 0 &&
            std::wstring_view(name) == L"#32770" && GetPropW(box, L"answered") == nullptr) {
            SetPropW(box, L"answered", box);
            owners.push_back(GetWindow(box, GW_OWNER));
            EnumThreadWindows(GetCurrentThreadId(), &NoteUsable, 0);
            std::erase(usable, box);
            PostMessageW(GetDlgItem(box, IDOK), WM_KEYDOWN, VK_RETURN, 1);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static BOOL CALLBACK NoteUsable(HWND top, LPARAM) {
        if (IsWindowEnabled(top) && GetWindow(top, GW_OWNER) == nullptr)
            usable.push_back(top);
        return TRUE;
    }
    HHOOK hook_;
};

class KeyboardOnly : public ProgramTest {
  protected:
    MessageBoxes& Boxes() override { return windowsBoxes; }

    Win32MessageBoxes windowsBoxes;
    BoxAnswerer answerer;
};

TEST_F(KeyboardOnly, AfterABoxItsWindowHasTheKeyboardAgain) {
    TypeInto(Control(Id::EdDf), "");
    SetFocus(Control(Id::EdDf));
    while (GetFocus() != Control(Id::BuRas) && GetFocus() != nullptr)
        PressKey(VK_TAB);
    PressKey(VK_RETURN); // a refusal: no step
    EXPECT_EQ(BoxAnswerer::owners, std::vector<HWND>{Main().Handle()});
    EXPECT_EQ(BoxAnswerer::usable, std::vector<HWND>{}); // the program waits for the answer
    EXPECT_EQ(GetActiveWindow(), Main().Handle());
    EXPECT_EQ(GetFocus(), Control(Id::BuRas));
    EXPECT_TRUE(IsWindowEnabled(windows->Graph.Handle()));
    PressKey(VK_TAB);
    EXPECT_TRUE(IsChild(Main().Handle(), GetFocus()));
}

TEST_F(KeyboardOnly, AfterABoxOfTheGraphWindowTheGraphHasTheKeyboardAgain) {
    TypeCircuit(kTypicalStage, "10", "1000", "10");
    Click(Control(Id::BuRas));
    Click(Control(Id::Button1));
    const HWND graph = windows->Graph.Handle();
    ScratchFile nowhere("нет такой папки/график.png");
    windows->Graph.SetFileChooser(nowhere);
    ControlKey(graph, 'S'); // a failed save
    EXPECT_EQ(BoxAnswerer::owners, std::vector<HWND>{graph});
    EXPECT_EQ(GetActiveWindow(), graph);
    EXPECT_EQ(GetFocus(), graph);
}

class HelpWindowKey : public ProgramTest, public testing::WithParamInterface<WPARAM> {};

TEST_P(HelpWindowKey, ClosesIt) {
    const HWND help = windows->Help.Handle();
    Click(Control(Id::Button2));
    ASSERT_EQ(GetFocus(), GetDlgItem(help, Form2Controls::Button1));
    PressKey(GetParam());
    EXPECT_FALSE(IsWindowVisible(help));
}

INSTANTIATE_TEST_SUITE_P(EnterAndEscape, HelpWindowKey, testing::Values(VK_RETURN, VK_ESCAPE),
                         [](const auto& info) {
                             return info.param == VK_RETURN ? "Enter" : "Escape";
                         });

using ParameterGrid = ProgramTest;

TEST_F(ParameterGrid, OneCtrlVPastesIntoIt) {
    Grid& grid = Main().ParameterGrid();
    const RECT cell = grid.CellRect(1, 3);
    ClickAt(grid.Handle(), {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    ASSERT_TRUE(PutTextOnClipboard(nullptr, "4,7"));
    ControlKey(grid.Handle(), 'V');
    EXPECT_EQ(Main().CellText(1, 3), "4,7");
    EXPECT_TRUE(grid.Editing());
}

} // namespace
