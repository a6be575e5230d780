#pragma once

#include "app/presenters/MessageBoxes.h"

// The boxes as QMessageBox, with no parent so that they centre on the screen.
class QtMessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    Answer Ask(const std::string& text) override;
};
