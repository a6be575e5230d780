#pragma once

#include "app/texts/Texts.h"

#include <string>

// The answers of a question box; its buttons' texts are in the catalogue.
enum class Answer { Yes, No, Cancel };

// The program's kinds of modal box, captioned with the application's title; texts in UTF-8.
// Behind an interface so that each set of windows shows them with its own toolkit and tests
// answer them without blocking.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // One text, an OK button and no icon, centred on the screen.
    virtual void ShowMessage(const std::string& text) = 0;
    // The same with the error icon.
    virtual void ShowError(const std::string& text) = 0;
    // A question with "Да", "Нет" and "Отмена"; closing the box answers Cancel.
    virtual Answer Ask(const std::string& text) = 0;
};
