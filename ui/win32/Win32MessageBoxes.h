#pragma once

#include "app/MessageBoxes.h"

// The program's boxes as Windows shows them: MessageBoxW with no owner, so centred on the screen,
// task-modal, so the program's windows wait for the answer, captioned with the executable's name.
class Win32MessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
};

// The application's title: the executable's file name without folder and extension ("ou").
std::wstring ApplicationTitle();
