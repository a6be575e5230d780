#pragma once

#include "app/presenters/FileChooser.h"

class QWidget;

// The toolkit's file dialogs, owned by the window that asks.
class FileDialog final : public FileChooser {
  public:
    explicit FileDialog(QWidget& owner) : owner_(owner) {}

    std::filesystem::path SaveFileName(const FileRequest& request) override;
    std::filesystem::path OpenFileName(const FileRequest& request) override;

  private:
    QWidget& owner_;
};
