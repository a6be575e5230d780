#include "Win32MessageBoxes.h"

#include "Text.h"
#include "WindowsApi.h"

namespace {

void ShowBox(const std::string& text, UINT icon) {
    MessageBoxW(nullptr, Widen(text).c_str(), ApplicationTitle().c_str(),
                MB_OK | MB_TASKMODAL | icon);
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
    ShowBox(text, 0);
}

void Win32MessageBoxes::ShowError(const std::string& text) {
    ShowBox(text, MB_ICONERROR);
}
