#pragma once

#include "Canvas.h"
#include "WindowTestHelpers.h"
#include "tests/driver/WindowDriver.h"

#include <algorithm>
#include <chrono>
#include <string_view>
#include <thread>

// A modal window of the Win32 windows, worked through window messages to its controls.
class Win32DialogDriver final : public DialogDriver {
  public:
    explicit Win32DialogDriver(HWND dialog) : dialog_(dialog) {}

    void Type(int field, const std::string& text) override { TypeInto(Of(field), text); }
    std::string Text(int control) override {
        std::string text = ::Text(Of(control));
        std::erase(text, '\r');
        return text;
    }
    void Click(int control) override { ::Click(Of(control)); }
    void ClickInto(int field) override { ClickAt(Of(field), {4, 4}); }
    void Focus(int control) override { SetFocus(Of(control)); }
    void PressEnter() override { PressKey(VK_RETURN); }
    void PressTab() override { PressKey(VK_TAB); }
    std::string FocusedName() override { return AnalysisObjectName(GetDlgCtrlID(GetFocus())); }
    std::string SelectedText() override {
        DWORD start = 0, end = 0;
        const HWND focused = GetFocus();
        SendMessageW(focused, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return Narrow(Widen(::Text(focused)).substr(start, end - start));
    }
    int ListCount(int list) override {
        return static_cast<int>(SendMessageW(Of(list), LB_GETCOUNT, 0, 0));
    }
    bool Shown() override { return IsWindowVisible(dialog_) != FALSE; }

  private:
    HWND Of(int id) { return GetDlgItem(dialog_, id); }

    HWND dialog_;
};

// The Win32 windows worked as WindowDriver says, through window messages to their controls.
class Win32WindowDriver final : public WindowDriver {
  public:
    Win32WindowDriver(ProgramWindows& windows, RecordingMessageBoxes& boxes)
        : windows_(windows), boxes_(boxes) {}
    ~Win32WindowDriver() override {
        boxes_.whileShown = nullptr;
        if (poll_ != 0)
            KillTimer(nullptr, poll_);
        polling_ = nullptr;
    }

    void TypeParameter(int row, const std::string& text, bool commit) override {
        TypeIntoCell(windows_.Main.ParameterGrid(), 1, row, text, commit);
    }
    void TypeSweep(StageField field, const std::string& text) override {
        TypeInto(Control(SweepFieldControl(field)), text);
    }
    void Click(MainControlName control) override { ::Click(Control(control)); }
    void ChooseMenuItem(const char* text) override {
        SendMessageW(windows_.Main.Handle(), WM_COMMAND,
                     MAKEWPARAM(MenuItem(windows_.Main.Handle(), text), 0), 0);
    }

    void Press(Keys keys) override {
        if (keys == Keys::Escape)
            PressKey(VK_ESCAPE);
        else
            ControlKeyThroughLoop(GetFocus(), 'S');
    }
    void OpenAtStart(const std::filesystem::path& file) override {
        windows_.Main.Presenter().OpenAtStart(file);
    }
    void AnswerFileDialogs(const std::filesystem::path& file) override {
        chooser_.answer = file;
        windows_.Main.SetFileChooser(chooser_);
    }
    void AnswerQuestions(Answer answer) override { boxes_.answer = answer; }
    bool CloseMainWindow() override {
        SendMessageW(windows_.Main.Handle(), WM_CLOSE, 0, 0);
        MSG quit;
        return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    }

    void WhenShown(const char* window, std::function<void(DialogDriver&)> answer) override {
        answers_.Add(window, std::move(answer));
        polling_ = this;
        if (poll_ == 0)
            poll_ = SetTimer(nullptr, 0, 10, &PollShownWindows);
    }
    bool AwaitAnswers() override {
        const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (!answers_.Empty()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            ProcessPendingMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }
    void ForgetAnswers() override { answers_ = {}; }
    void PressInGraph(MarkerStep step) override {
        static constexpr WPARAM kKeys[] = {VK_LEFT, VK_RIGHT, VK_PRIOR, VK_NEXT, VK_HOME, VK_END};
        SetFocus(windows_.Graph.Handle());
        PressKey(kKeys[static_cast<size_t>(step)]);
    }
    void PointInGraph(int x, int y) override {
        SendMessageW(windows_.Graph.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
    void RepaintGraphLater() override { InvalidateRect(windows_.Graph.Handle(), nullptr, FALSE); }
    void BoxesRunTheEventLoop() override {
        mostUp_ = 0;
        boxes_.whileShown = [this] {
            mostUp_ = std::max(mostUp_, ++up_);
            ProcessPendingMessages();
            --up_;
        };
    }
    int MostBoxesUpAtOnce() override { return mostUp_; }
    void Resize(bool graph, int width, int height) override {
        SetWindowPos(graph ? windows_.Graph.Handle() : windows_.Main.Handle(), nullptr, 0, 0, width,
                     height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ProcessPendingMessages(); // and painted
    }
    void ChooseGraphMenuItem(const char* text) override {
        // As the keyboard does: Down to it, Enter. The keys wait in the queue, and the menu's own
        // loop takes them once it is open.
        const HWND graph = windows_.Graph.Handle();
        for (const Command<GraphPresenter>& command : GraphPresenter::Table()) {
            PostMessageW(graph, WM_KEYDOWN, VK_DOWN, 1);
            if (std::string_view(command.Text) == text)
                break;
        }
        PostMessageW(graph, WM_KEYDOWN, VK_RETURN, 1);
        POINT screen = {300, 300};
        ClientToScreen(graph, &screen);
        SendMessageW(graph, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(graph),
                     MAKELPARAM(screen.x, screen.y));
    }

    std::string Caption() override { return Text(windows_.Main.Handle()); }
    bool GraphShown() override { return IsWindowVisible(windows_.Graph.Handle()) != FALSE; }
    Picture GraphPicture() override {
        const HWND graph = windows_.Graph.Handle();
        UpdateWindow(graph); // the paint asked for
        RECT client = {};
        GetClientRect(graph, &client);
        Canvas canvas(client.right, client.bottom);
        Canvas::Print(graph, canvas);
        Picture picture{client.right, client.bottom, {}};
        for (int y = 0; y < picture.Height; ++y)
            for (int x = 0; x < picture.Width; ++x) {
                const COLORREF colour = canvas.Pixel(x, y);
                picture.Pixels.push_back({GetRValue(colour), GetGValue(colour), GetBValue(colour)});
            }
        return picture;
    }
    bool GraphLogScale() override { return windows_.Graph.Presenter().LogScale(); }
    std::optional<size_t> GraphMarker() override { return windows_.Graph.Presenter().Marker(); }
    const SpreadSettings& AnalysisSettings() override {
        return windows_.Presenters.Session().Settings();
    }
    std::shared_ptr<const SpreadResult> Band() override {
        return windows_.Presenters.Session().Band();
    }
    bool AnalysisRunning() override { return windows_.Spread.Presenter().Running(); }
    std::string ClipboardText() override {
        std::string text = Narrow(::ClipboardText());
        std::erase(text, '\r');
        return text;
    }
    bool MainWindowShown() override { return IsWindowVisible(windows_.Main.Handle()) != FALSE; }
    bool MenuItemChecked(const char* text) override {
        const HWND window = windows_.Main.Handle();
        HMENU bar = GetMenu(window);
        // The menus as they open, which is when their items follow the presenter.
        for (int menu = 0; menu < GetMenuItemCount(bar); ++menu)
            SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(bar, menu)),
                         MAKELPARAM(menu, FALSE));
        return (GetMenuState(bar, MenuItem(window, text), MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    std::string ParameterCell(int column, int row) override {
        return windows_.Main.CellText(column, row);
    }
    std::string SweepText(StageField field) override {
        return Text(Control(SweepFieldControl(field)));
    }
    std::string LabelText(MainControlName label) override { return Text(Control(label)); }
    bool Checked(MainControlName checkBox) override {
        return SendMessageW(Control(checkBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    bool Enabled(MainControlName control) override {
        return IsWindowEnabled(Control(control)) != FALSE;
    }
    int ResultRows() override { return windows_.Main.Results().RowCount(); }
    std::string ResultCell(int column, int row) override {
        return windows_.Main.Results().Cell(column, row);
    }
    const SweepResult& Result() override { return windows_.Main.Result(); }
    std::vector<std::string> TakeMessages() override { return std::exchange(boxes_.messages, {}); }
    std::vector<std::string> TakeErrors() override { return std::exchange(boxes_.errors, {}); }
    std::vector<std::string> TakeQuestions() override {
        return std::exchange(boxes_.questions, {});
    }
    // GetGuiResources answers nothing under wine: the program's own count, and the thread's
    // windows with their children.
    std::vector<std::pair<std::string, long>> Holdings() override {
        long windows = 0;
        EnumThreadWindows(GetCurrentThreadId(), &CountWithChildren,
                          reinterpret_cast<LPARAM>(&windows));
        return {{"GDI objects and icons", gdi_objects::Held()}, {"windows", windows}};
    }

  private:
    // Window procedures' calling convention, which a lambda does not have in 32-bit code.
    static void CALLBACK PollShownWindows(HWND, UINT, UINT_PTR, DWORD) {
        if (polling_ != nullptr)
            polling_->AnswerWindowsShown();
    }
    static BOOL CALLBACK CountWindow(HWND, LPARAM count) {
        ++*reinterpret_cast<long*>(count);
        return TRUE;
    }
    static BOOL CALLBACK CountWithChildren(HWND window, LPARAM count) {
        CountWindow(window, count);
        EnumChildWindows(window, &CountWindow, count);
        return TRUE;
    }
    void AnswerWindowsShown() {
        for (const std::string& window : answers_.Windows())
            if (const HWND shown = FindWindowW(Widen(window).c_str(), nullptr);
                shown != nullptr && IsWindowVisible(shown)) {
                Win32DialogDriver dialog(shown);
                answers_.RunFor(window, dialog);
            }
    }
    HWND Control(MainControlName control) {
        return GetDlgItem(windows_.Main.Handle(), ControlId(control));
    }

    ProgramWindows& windows_;
    RecordingMessageBoxes& boxes_;
    AnsweringChooser chooser_;
    PendingAnswers answers_;
    UINT_PTR poll_ = 0;
    int up_ = 0, mostUp_ = 0;                            // boxes up, and the most up at once
    static inline Win32WindowDriver* polling_ = nullptr; // whose answers the thread's timer runs
};
