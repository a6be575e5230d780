#include "FileDialog.h"

#include "Text.h"

#include <commdlg.h>
#include <shlobj.h>
#include <vector>

namespace {

std::filesystem::path Run(HWND owner, const FileRequest& request, bool save) {
    const std::wstring title = Widen(request.Caption);
    const std::wstring defaultExtension = Widen(request.Extension);
    // The filter: pairs of a name and a pattern, each ended by a null, the list by another.
    std::wstring filter = Widen(request.FilterName);
    filter += L'\0';
    filter += L"*." + defaultExtension;
    filter += L'\0';
    filter += L'\0';
    std::vector<wchar_t> name(32768, L'\0'); // the longest path Windows takes
    const std::wstring proposed = Widen(request.Suggested);
    proposed.copy(name.data(), name.size() - 1);
    const std::wstring folder =
        (request.Folder.empty() ? DocumentsFolder() : request.Folder).wstring();

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = defaultExtension.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    dialog.Flags |= save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)))
        return {};
    return std::filesystem::path(name.data());
}

} // namespace

std::filesystem::path DocumentsFolder() {
    PWSTR path = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &path)))
        folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::filesystem::path FileDialog::SaveFileName(const FileRequest& request) {
    return Run(owner_, request, true);
}

std::filesystem::path FileDialog::OpenFileName(const FileRequest& request) {
    return Run(owner_, request, false);
}
