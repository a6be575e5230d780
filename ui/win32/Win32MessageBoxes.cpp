#include "Win32MessageBoxes.h"

#include "Text.h"
#include "WindowsApi.h"

#include <vector>

namespace {

// Disables the thread's enabled top-level windows but one until it ends, then enables them again.
class OtherWindowsDisabled {
  public:
    explicit OtherWindowsDisabled(HWND kept) : kept_(kept) {
        EnumThreadWindows(GetCurrentThreadId(), &Disable, reinterpret_cast<LPARAM>(this));
    }
    ~OtherWindowsDisabled() {
        for (const HWND window : disabled_)
            EnableWindow(window, TRUE);
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

  private:
    static BOOL CALLBACK Disable(HWND window, LPARAM self) {
        auto& scope = *reinterpret_cast<OtherWindowsDisabled*>(self);
        if (window != scope.kept_ && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            scope.disabled_.push_back(window);
        }
        return TRUE;
    }

    HWND kept_;
    std::vector<HWND> disabled_;
};

int ShowBox(const std::string& text, UINT type) {
    // The window whose action raised the box owns it: Windows disables it while the box is up
    // and activates it again afterwards, and the window puts the focus back where it was. A box
    // without an owner would leave no window active and the keyboard dead.
    const HWND owner = GetActiveWindow();
    if (owner == nullptr) {
        return MessageBoxW(nullptr, Widen(text).c_str(), ApplicationTitle().c_str(),
                           MB_TASKMODAL | type);
    }
    // The program's other windows wait for the answer too, as they do for a task-modal box.
    const OtherWindowsDisabled others(owner);
    return MessageBoxW(owner, Widen(text).c_str(), ApplicationTitle().c_str(), MB_APPLMODAL | type);
}

} // namespace

std::wstring ApplicationTitle() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, length);
    if (const size_t slash = name.find_last_of(L"\\/"); slash != std::wstring::npos)
        name.erase(0, slash + 1);
    if (const size_t dot = name.find_last_of(L'.'); dot != std::wstring::npos && dot > 0)
        name.erase(dot);
    return name;
}

void Win32MessageBoxes::ShowMessage(const std::string& text) {
    ShowBox(text, MB_OK);
}

void Win32MessageBoxes::ShowError(const std::string& text) {
    ShowBox(text, MB_OK | MB_ICONERROR);
}

Answer Win32MessageBoxes::Ask(const std::string& text) {
    // The system's own buttons, in the system's language.
    switch (ShowBox(text, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}
