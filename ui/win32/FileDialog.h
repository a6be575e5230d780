#pragma once

#include "WindowsApi.h"
#include "app/presenters/FileChooser.h"

// The user's Documents folder, where the file dialogs start before a file has been chosen in one
// (rather than the folder the program was started in, often its installation folder).
std::filesystem::path DocumentsFolder();

// The system's file dialogs, owned by the window that asks; the save dialog asks before
// replacing a file. A request with no folder starts in DocumentsFolder().
class FileDialog final : public FileChooser {
  public:
    explicit FileDialog(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    std::filesystem::path SaveFileName(const FileRequest& request) override;
    std::filesystem::path OpenFileName(const FileRequest& request) override;

  private:
    HWND owner_;
};
