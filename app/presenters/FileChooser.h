#pragma once

#include <filesystem>
#include <string>

// What a file dialog is asked. Texts in UTF-8.
struct FileRequest {
    std::string Caption;          // "Сохранить таблицу"
    std::string FilterName;       // the kind of file, "Таблица CSV (*.csv)"
    std::string Extension;        // without the dot; added to a name typed without one when saving
    std::string Suggested;        // the name proposed; "" for none
    std::filesystem::path Folder; // where the dialog starts; empty: where the toolkit chooses
};

// Asks the user for a file to save or to open. Each set of windows shows its toolkit's dialog,
// owned by the window that asks; tests answer without a dialog.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen file, or an empty path when the user cancelled. Saving asks before replacing
    // an existing file.
    virtual std::filesystem::path SaveFileName(const FileRequest& request) = 0;
    virtual std::filesystem::path OpenFileName(const FileRequest& request) = 0;
};
