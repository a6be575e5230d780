#include "ui/win32/FileDialog.h"

#include "WindowTestHelpers.h"

#include <commdlg.h>

namespace {

std::wstring folderShown; // where the open dialog stood when the timer found it

void CALLBACK ReadFolderAndCancel(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(L"#32770", L"ou folder test");
    if (dialog == nullptr)
        return; // not up yet
    KillTimer(nullptr, timer);
    wchar_t folder[MAX_PATH] = {};
    SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    folderShown = folder;
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Before a file has been chosen in one, the file dialogs start in the user's Documents, not in
// the folder the program was started in (its installation folder, from a shortcut).
TEST(FileDialogs, StartInTheDocumentsFolder) {
    const std::filesystem::path documents = DocumentsFolder();
    ASSERT_FALSE(documents.empty());
    ASSERT_NE(std::filesystem::current_path(), documents);
    SetTimer(nullptr, 0, 50, ReadFolderAndCancel);
    FileRequest request;
    request.Caption = "ou folder test";
    request.Extension = "ou";
    EXPECT_TRUE(FileDialog().OpenFileName(request).empty());
    EXPECT_EQ(std::filesystem::path(folderShown), documents);
}

} // namespace
