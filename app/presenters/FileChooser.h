#pragma once

#include "MessageBoxes.h"

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

// A chooser whose dialogs count among the program's boxes up (MessageBoxes::WhileUp).
class TurnTakingChooser final : public FileChooser {
  public:
    TurnTakingChooser(FileChooser& dialogs, MessageBoxes& boxes)
        : dialogs_(dialogs), boxes_(boxes) {}
    std::filesystem::path SaveFileName(const FileRequest& request) override {
        std::filesystem::path chosen;
        boxes_.WhileUp([&] { chosen = dialogs_.SaveFileName(request); });
        return chosen;
    }
    std::filesystem::path OpenFileName(const FileRequest& request) override {
        std::filesystem::path chosen;
        boxes_.WhileUp([&] { chosen = dialogs_.OpenFileName(request); });
        return chosen;
    }

  private:
    FileChooser& dialogs_;
    MessageBoxes& boxes_;
};

// Where the program's file dialogs start: beside the file last chosen in one, opened or saved
// (the stage file, a table, a picture); before any, beside the most recent stage file.
class DialogFolder {
  public:
    void Used(const std::filesystem::path& file) { folder_ = file.parent_path(); }
    const std::filesystem::path& Start() const { return folder_; }

  private:
    std::filesystem::path folder_;
};
