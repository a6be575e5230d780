#pragma once

#include "app/presenters/FileChooser.h"
#include "numerics/NumberText.h"
#include "tests/app/RecordingMessageBoxes.h"
#include "ui/win32/StartUp.h"
#include "ui/win32/Text.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// What a user does with the controls, as window messages, and what the tests read back.

// Handles whatever the messages sent so far have queued (paints, posted notifications), as the
// program's message loop does.
inline void ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Keep it for the test that looks for it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DispatchWindowMessage(message);
    }
}

// A key pressed on the focused control, through the program's message loop.
inline void PressKey(WPARAM key) {
    const HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    ProcessPendingMessages();
}

inline void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}

inline void ClickAt(HWND window, POINT point, WPARAM keys = 0) {
    const LPARAM where = MAKELPARAM(point.x, point.y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, where);
    SendMessageW(window, WM_LBUTTONUP, keys, where);
}

inline void Key(HWND window, WPARAM key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

// A key pressed on a window with Ctrl held down, as the thread's keyboard state tells it; with
// `throughLoop`, through the program's message loop, where the menu bar's keys are taken.
inline void ControlKey(HWND window, WPARAM key, bool throughLoop = false) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    if (throughLoop) {
        PostMessageW(window, WM_KEYDOWN, key, 1);
        ProcessPendingMessages();
    } else {
        Key(window, key);
    }
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

inline void ControlKeyThroughLoop(HWND window, WPARAM key) {
    ControlKey(window, key, true);
}

// Each character as the keyboard delivers it after translation.
inline void TypeCharacters(HWND window, const std::string& text) {
    for (wchar_t character : Widen(text))
        SendMessageW(window, WM_CHAR, character, 1);
}

// Replaces the text of a single-line edit by typing: all selected, Backspace, the new text.
inline void TypeInto(HWND edit, const std::string& text) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, VK_BACK, 1);
    TypeCharacters(edit, text);
}

// Clicks a cell of the grid and types the text over its content; Enter ends the edit unless
// `commit` is false, which leaves the editor open.
inline void TypeIntoCell(Grid& grid, int column, int row, const std::string& text,
                         bool commit = true) {
    const RECT cell = grid.CellRect(column, row);
    ClickAt(grid.Handle(), {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    HWND target = grid.Handle();
    if (grid.Editing()) {
        // The click opened the editor on the cell: select its text to type over it.
        SendMessageW(grid.Editor(), EM_SETSEL, 0, -1);
        target = grid.Editor();
    }
    // An empty text is typed as Backspace over the old one.
    const std::wstring wide = text.empty() ? std::wstring(1, VK_BACK) : Widen(text);
    for (wchar_t character : wide) {
        SendMessageW(target, WM_CHAR, character, 1);
        // The first character typed on the grid opens the editor, which takes the rest.
        if (grid.Editing())
            target = grid.Editor();
    }
    if (commit && grid.Editing())
        Key(grid.Editor(), VK_RETURN);
}

inline std::string Text(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
    return Narrow(text);
}

// The identifier of the menu bar's item that reads `text` (its key after a tab).
inline UINT MenuItem(HWND window, const std::string& text) {
    HMENU bar = GetMenu(window);
    for (int menu = 0; menu < GetMenuItemCount(bar); ++menu) {
        HMENU items = GetSubMenu(bar, menu);
        for (int item = 0; item < GetMenuItemCount(items); ++item) {
            wchar_t label[128] = {};
            GetMenuStringW(items, UINT(item), label, 128, MF_BYPOSITION);
            if (Narrow(label).substr(0, Narrow(label).find('\t')) == text)
                return GetMenuItemID(items, item);
        }
    }
    return 0;
}

inline SIZE ClientSize(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

inline POINT WindowPosition(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top};
}

// Answers the file dialogs with a file in a scratch folder.
class ScratchFile final : public FileChooser {
  public:
    explicit ScratchFile(std::string name)
        : path(std::filesystem::temp_directory_path() / std::filesystem::u8path(name)) {
        std::filesystem::remove(path);
    }
    ~ScratchFile() override { std::filesystem::remove(path); }
    std::filesystem::path SaveFileName(const FileRequest& request) override {
        asked = request.Extension;
        return path;
    }
    std::filesystem::path OpenFileName(const FileRequest&) override { return path; }
    std::string Content() const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    std::filesystem::path path;
    std::string asked;
};

inline std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The three windows as start-up makes them, with message boxes that never block. Every box a
// test causes must be checked and cleared by it.
class ProgramTest : public testing::Test {
  protected:
    void SetUp() override {
        SetDecimalSeparatorSource(nullptr);
        windows = std::make_unique<ProgramWindows>(Boxes());
        ProcessPendingMessages();
    }
    void TearDown() override {
        windows.reset();
        ProcessPendingMessages();
        EXPECT_EQ(boxes.messages, std::vector<std::string>());
        EXPECT_EQ(boxes.errors, std::vector<std::string>());
    }

    // The boxes the windows show: recorded, never blocking, unless a test wants Windows' own.
    virtual MessageBoxes& Boxes() { return boxes; }
    MainWindow& Main() { return windows->Main; }
    HWND Control(int id) { return GetDlgItem(windows->Main.Handle(), id); }
    HWND Control(MainControlName control) { return Control(ControlId(control)); }
    std::string ResultCell(int column, int row) { return Main().Results().Cell(column, row); }
    int ResultRowCount() { return Main().Results().RowCount(); }

    void TypeCircuit(const std::vector<std::string>& parameters, const std::string& from,
                     const std::string& to, const std::string& step) {
        for (int row = 1; row <= 13; ++row)
            TypeIntoCell(Main().ParameterGrid(), 1, row,
                         parameters.at(static_cast<size_t>(row - 1)));
        TypeInto(Control(MainControlName::EdOt), from);
        TypeInto(Control(MainControlName::EdDo), to);
        TypeInto(Control(MainControlName::EdDf), step);
    }

    RecordingMessageBoxes boxes;
    std::unique_ptr<ProgramWindows> windows;
};

// A typical stage: gain about 100 up to some kHz.
inline const std::vector<std::string> kTypicalStage = {
    "100", "1000", "1", "99", "1000", "10", "10", "100", "1", "1", "1e5", "10", "1"};
