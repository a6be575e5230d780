#include "RegistryRecentFiles.h"

#include "WindowsApi.h"

#include <string>

namespace {

constexpr wchar_t kKey[] = L"Software\\OU\\Recent Files";

} // namespace

std::vector<std::filesystem::path> RegistryRecentFiles::Load() {
    std::vector<std::filesystem::path> files;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return files;
    for (size_t i = 1; i <= kRecentFileCount; ++i) {
        wchar_t path[32768] = {};
        DWORD size = sizeof path - sizeof(wchar_t);
        DWORD type = 0;
        if (RegQueryValueExW(key, std::to_wstring(i).c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(path), &size) == ERROR_SUCCESS &&
            type == REG_SZ)
            files.emplace_back(std::wstring(path));
    }
    RegCloseKey(key);
    return files;
}

void RegistryRecentFiles::Store(const std::vector<std::filesystem::path>& files) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    for (size_t i = 1; i <= kRecentFileCount; ++i) {
        const std::wstring name = std::to_wstring(i);
        if (i <= files.size()) {
            const std::wstring path = files[i - 1].wstring();
            RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(path.c_str()),
                           static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteValueW(key, name.c_str());
        }
    }
    RegCloseKey(key);
}
