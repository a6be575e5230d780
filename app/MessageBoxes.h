#pragma once

#include <string>

// The program's two kinds of modal box, captioned with the application's title; texts in UTF-8.
// Behind an interface so that each set of windows shows them with its own toolkit and tests
// answer them without blocking.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // One text, an OK button and no icon, centred on the screen.
    virtual void ShowMessage(const std::string& text) = 0;
    // The same with the error icon.
    virtual void ShowError(const std::string& text) = 0;
};
