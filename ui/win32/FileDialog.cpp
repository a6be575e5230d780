#include "FileDialog.h"

#include "Text.h"

#include <commdlg.h>
#include <vector>

namespace {

class SystemSaveDialog final : public FileChooser {
  public:
    std::filesystem::path SaveFileName(HWND owner, const std::string& caption,
                                       const std::string& filterName, const std::string& extension,
                                       const std::string& suggested) override {
        const std::wstring title = Widen(caption);
        const std::wstring defaultExtension = Widen(extension);
        // The filter: pairs of a name and a pattern, each ended by a null, the list by another.
        std::wstring filter = Widen(filterName);
        filter += L'\0';
        filter += L"*." + defaultExtension;
        filter += L'\0';
        filter += L'\0';
        std::vector<wchar_t> name(32768, L'\0'); // the longest path Windows takes
        const std::wstring proposed = Widen(suggested);
        proposed.copy(name.data(), name.size() - 1);

        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filter.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = name.data();
        dialog.nMaxFile = static_cast<DWORD>(name.size());
        dialog.lpstrTitle = title.c_str();
        dialog.lpstrDefExt = defaultExtension.c_str();
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
        if (!GetSaveFileNameW(&dialog))
            return {};
        return std::filesystem::path(name.data());
    }
};

} // namespace

FileChooser& SaveDialog() {
    static SystemSaveDialog dialog;
    return dialog;
}
