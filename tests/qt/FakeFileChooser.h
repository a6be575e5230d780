#pragma once

#include "app/presenters/FileChooser.h"

#include <QString>
#include <QStringList>

// Answers the file dialogs with a name set by the test, and records what was asked.
class FakeFileChooser final : public FileChooser {
  public:
    std::filesystem::path SaveFileName(const FileRequest& request) override { return Ask(request); }
    std::filesystem::path OpenFileName(const FileRequest& request) override { return Ask(request); }
    QString answer;
    QStringList asked;

  private:
    std::filesystem::path Ask(const FileRequest& request) {
        asked << QString::fromStdString(request.Caption)
              << QString::fromStdString(request.FilterName)
              << QString::fromStdString(request.Suggested);
        return std::filesystem::path(answer.toStdU16String());
    }
};
