#include "WindowTestHelpers.h"
#include "app/presenters/MainLayout.h"
#include "ui/win32/Win32MessageBoxes.h"

namespace {

// The width of an icon, 0 for none.
LONG IconSide(LONG_PTR handle) {
    ICONINFO info{};
    if (handle == 0 || !GetIconInfo(reinterpret_cast<HICON>(handle), &info))
        return 0;
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    return mask.bmWidth;
}

struct WindowCase {
    const char* name;
    const char* caption;
    bool visible;
    POINT position; // of the frame
    SIZE client;
};

class StartUpWindows : public ProgramTest, public testing::WithParamInterface<WindowCase> {
  protected:
    HWND Window(const std::string& name) {
        if (name == "Form1")
            return windows->Main.Handle();
        return name == "Form2" ? windows->Help.Handle() : windows->Graph.Handle();
    }
};

TEST_P(StartUpWindows, StandAsLaidOut) {
    const WindowCase& c = GetParam();
    const HWND window = Window(c.name);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Text(window), c.caption);
    EXPECT_EQ(IsWindowVisible(window) != FALSE, c.visible);
    const POINT position = WindowPosition(window);
    EXPECT_EQ(position.x, c.position.x);
    EXPECT_EQ(position.y, c.position.y);
    // The client area keeps its laid-out size whatever frame the system draws.
    const SIZE client = ClientSize(window);
    EXPECT_EQ(client.cx, c.client.cx);
    EXPECT_EQ(client.cy, c.client.cy);
    // Every window has its icon, for the caption and the task bar, each of its own size (at 96
    // DPI), and its class has them too.
    EXPECT_EQ(IconSide(SendMessageW(window, WM_GETICON, ICON_BIG, 0)), 32);
    EXPECT_EQ(IconSide(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)), 16);
    EXPECT_EQ(IconSide(GetClassLongPtrW(window, GCLP_HICONSM)), GetSystemMetrics(SM_CXSMICON));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, StartUpWindows,
    testing::Values(WindowCase{"Form1",
                               kMainCaption,
                               true,
                               {kMainFrame.X, kMainFrame.Y},
                               {kMainFrame.Width, kMainFrame.Height}},
                    WindowCase{"Form2", "Справка", false, {192, 114}, {698, 446}},
                    WindowCase{"Form3", "график", false, {202, 71}, {763, 534}}),
    [](const testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

bool QuitPosted() {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

using StartUp = ProgramTest;

TEST_F(StartUp, ClosingTheMainWindowEndsTheMessageLoop) {
    ASSERT_FALSE(QuitPosted());
    SendMessageW(Main().Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(Main().Handle()));
    ASSERT_TRUE(QuitPosted());
    // The loop ends at once, with the code of a normal end.
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_FALSE(QuitPosted());
}

TEST_F(StartUp, ClosingTheHelpOrGraphWindowOnlyHidesIt) {
    for (HWND window : {windows->Help.Handle(), windows->Graph.Handle()}) {
        ShowWindow(window, SW_SHOW);
        SendMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindow(window));
        EXPECT_FALSE(IsWindowVisible(window));
    }
    EXPECT_FALSE(QuitPosted());
    EXPECT_TRUE(IsWindowVisible(Main().Handle()));
}

TEST_F(StartUp, QuestionMarksShowHelpAndCloseHidesIt) {
    const HWND help = windows->Help.Handle();
    Click(Control(MainControlName::Button2));
    EXPECT_TRUE(IsWindowVisible(help));
    // Help is not modal: the main window still takes input.
    EXPECT_TRUE(IsWindowEnabled(Main().Handle()));
    // Showing it again keeps it as it is.
    Click(Control(MainControlName::Button2));
    EXPECT_TRUE(IsWindowVisible(help));
    Click(GetDlgItem(help, Form2Controls::Button1));
    EXPECT_FALSE(IsWindowVisible(help));
}

TEST_F(StartUp, MessageBoxesAreCaptionedWithTheExecutablesName) {
    EXPECT_EQ(Narrow(ApplicationTitle()), "win32_window_tests");
}

TEST_F(StartUp, HelpWindowAsLaidOut) {
    const HWND help = windows->Help.Handle();
    const Bounds image = ChildBounds(GetDlgItem(help, Form2Controls::Image1));
    EXPECT_EQ(image.Left, 8);
    EXPECT_EQ(image.Top, 8);
    EXPECT_EQ(image.Width, 683);
    EXPECT_EQ(image.Height, 385);
    const HWND close = GetDlgItem(help, Form2Controls::Button1);
    const Bounds button = ChildBounds(close);
    EXPECT_EQ(button.Left, 520);
    EXPECT_EQ(button.Top, 400);
    EXPECT_EQ(button.Width, 145);
    EXPECT_EQ(button.Height, 41);
    EXPECT_EQ(Text(close), "закрыть");
}

} // namespace
