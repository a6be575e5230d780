#pragma once

#include "app/presenters/MessageBoxes.h"

// The program's boxes as Windows shows them: MessageBoxW owned by the window active when the box
// is asked for, which has the keyboard again once it is answered; every window of the program
// waits for the answer; captioned with the executable's name.
class Win32MessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    Answer Ask(const std::string& text) override;
};

// The application's title: the executable's file name without folder and extension ("ou").
std::wstring ApplicationTitle();
