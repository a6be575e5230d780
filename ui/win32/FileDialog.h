#pragma once

#include "WindowsApi.h"

#include <filesystem>
#include <string>

// Asks the user where to save a file. Behind an interface so that window tests answer it without
// a dialog.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen file, or an empty path when the user cancelled. `filterName` names the kind of
    // file ("Рисунок PNG (*.png)"), `extension` its extension without the dot, which is added to a
    // name typed without one; `suggested` is the name proposed. Texts in UTF-8.
    virtual std::filesystem::path SaveFileName(HWND owner, const std::string& caption,
                                               const std::string& filterName,
                                               const std::string& extension,
                                               const std::string& suggested) = 0;
};

// The system's save dialog, which asks before replacing a file.
FileChooser& SaveDialog();
