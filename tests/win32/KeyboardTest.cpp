#include "WindowTestHelpers.h"
#include "ui/win32/Clipboard.h"
#include "ui/win32/Win32MessageBoxes.h"

#include <cwchar>
#include <set>

// The keyboard alone, as a user without a mouse drives the program: through the message boxes,
// the help window and the parameter grid.

namespace {

namespace Id = Form1Controls;

// Answers the real message boxes as a user pressing Enter would, noting for each its owner and
// which of the program's windows could still be used while it was up.
class BoxAnswerer {
  public:
    struct Box {
        HWND owner;
        std::vector<HWND> enabledWindows; // the program's top-level windows, the box aside
    };

    BoxAnswerer() : hook_(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) {
        answerer_ = this;
    }
    ~BoxAnswerer() {
        UnhookWindowsHookEx(hook_);
        answerer_ = nullptr;
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    std::vector<Box> boxes;

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        wchar_t name[16] = {};
        const auto window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && answerer_ != nullptr &&
            GetClassNameW(window, name, std::size(name)) > 0 && std::wcscmp(name, L"#32770") == 0 &&
            !answered_.contains(window)) {
            answered_.insert(window);
            Box box{GetWindow(window, GW_OWNER), {}};
            EnumThreadWindows(
                GetCurrentThreadId(),
                [](HWND top, LPARAM found) {
                    if (IsWindowEnabled(top) && IsWindowVisible(top) &&
                        GetWindow(top, GW_OWNER) == nullptr)
                        reinterpret_cast<std::vector<HWND>*>(found)->push_back(top);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&box.enabledWindows));
            std::erase(box.enabledWindows, window);
            answerer_->boxes.push_back(box);
            // Enter on the box's button, once its dialog loop runs.
            PostMessageW(GetDlgItem(window, IDOK), WM_KEYDOWN, VK_RETURN, 1);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook_;
    static inline BoxAnswerer* answerer_ = nullptr;
    static inline std::set<HWND> answered_;
};

// The three windows with the boxes Windows shows, answered at once.
class KeyboardOnly : public testing::Test {
  protected:
    void SetUp() override {
        SetDecimalSeparatorSource(nullptr);
        windows = std::make_unique<ProgramWindows>(messageBoxes);
        ProcessPendingMessages();
    }
    void TearDown() override {
        windows.reset();
        ProcessPendingMessages();
    }

    TForm1& Form1() { return windows->Form1; }
    HWND Control(int id) { return GetDlgItem(Form1().Handle(), id); }
    // Tab, as often as it takes to reach `control`.
    void TabTo(HWND control) {
        for (int presses = 0; presses < 20 && GetFocus() != control; ++presses)
            PressKey(VK_TAB);
        ASSERT_EQ(GetFocus(), control);
    }

    Win32MessageBoxes messageBoxes;
    BoxAnswerer answerer;
    std::unique_ptr<ProgramWindows> windows;
};

TEST_F(KeyboardOnly, AfterABoxItsWindowHasTheKeyboardAgain) {
    const HWND calculate = Control(Id::BuRas);
    SetFocus(Control(Id::EdDf));
    TypeInto(Control(Id::EdDf), "");
    TabTo(calculate);
    PressKey(VK_RETURN);

    ASSERT_EQ(answerer.boxes.size(), 1u);
    EXPECT_EQ(answerer.boxes[0].owner, Form1().Handle());
    // The box is the only window to answer while it is up.
    EXPECT_EQ(answerer.boxes[0].enabledWindows, std::vector<HWND>{});
    EXPECT_EQ(GetActiveWindow(), Form1().Handle());
    EXPECT_EQ(GetFocus(), calculate);
    EXPECT_TRUE(IsWindowEnabled(windows->Form2.Handle()));
    PressKey(VK_TAB);
    EXPECT_NE(GetFocus(), calculate);
    EXPECT_TRUE(IsChild(Form1().Handle(), GetFocus()));
}

TEST_F(KeyboardOnly, AfterABoxOfTheGraphWindowTheGraphHasTheKeyboardAgain) {
    TypeCircuit(Form1(), kTypicalStage, "10", "1000", "10");
    Click(Control(Id::BuRas));
    Click(Control(Id::Button1));
    ProcessPendingMessages();
    const HWND graph = windows->Form3.Handle();
    ASSERT_EQ(GetActiveWindow(), graph);
    const HWND focus = GetFocus();
    ScratchFile nowhere("нет такой папки/график.png");
    windows->Form3.SetFileChooser(nowhere);
    ControlKey(focus, 'S');

    ASSERT_EQ(answerer.boxes.size(), 1u);
    EXPECT_EQ(answerer.boxes[0].owner, graph);
    EXPECT_EQ(answerer.boxes[0].enabledWindows, std::vector<HWND>{});
    EXPECT_EQ(GetActiveWindow(), graph);
    EXPECT_EQ(GetFocus(), focus);
}

class HelpWindowKey : public KeyboardOnly, public testing::WithParamInterface<WPARAM> {};

TEST_P(HelpWindowKey, ClosesIt) {
    const HWND help = windows->Form2.Handle();
    Click(Control(Id::Button2));
    ProcessPendingMessages();
    ASSERT_TRUE(IsWindowVisible(help));
    ASSERT_EQ(GetFocus(), GetDlgItem(help, Form2Controls::Button1));
    PressKey(GetParam());
    EXPECT_FALSE(IsWindowVisible(help));
}

INSTANTIATE_TEST_SUITE_P(EnterAndEscape, HelpWindowKey, testing::Values(VK_RETURN, VK_ESCAPE));

TEST_F(KeyboardOnly, OneCtrlVPastesIntoAParameterCell) {
    Grid& grid = Form1().SgIsh();
    TypeIntoCell(grid, 1, 2, "1000");
    const RECT cell = grid.CellRect(1, 3);
    ClickAt(grid.Handle(), {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    ASSERT_FALSE(grid.Editing());
    ASSERT_TRUE(PutTextOnClipboard(nullptr, "4,7"));
    WithControlHeld([] { PressKey('V'); });
    EXPECT_EQ(Form1().CellText(1, 3), "4,7");
    EXPECT_EQ(Form1().CellText(1, 2), "1000");
    EXPECT_TRUE(grid.Editing());
}

} // namespace
