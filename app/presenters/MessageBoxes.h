#pragma once

#include "app/texts/Texts.h"

#include <functional>
#include <string>
#include <vector>

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

    // A dialog of the program other than these boxes (a file dialog) is up while `dialog` runs.
    void WhileUp(const std::function<void()>& dialog);
    // A window of the program that the user's action did not ask for as a box (the progress and
    // results boxes of "Разброс…") has opened, or has closed: counted as a dialog up.
    virtual void WindowOpened() {}
    virtual void WindowClosed() {}
    // Runs `then` once no box or dialog of the program is up: at once, unless the boxes keep
    // count of them (TurnTakingBoxes).
    virtual void WhenNoneUp(const std::function<void()>& then) { then(); }
};

// Boxes that keep count of themselves and of the dialogs up, so that a box not asked for by the
// user's action (a paint's failure) waits until the last of them has closed instead of stacking
// on it. One for the whole program, over the toolkit's boxes.
class TurnTakingBoxes final : public MessageBoxes {
  public:
    explicit TurnTakingBoxes(MessageBoxes& shown) : shown_(shown) {}

    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    Answer Ask(const std::string& text) override;
    void WindowOpened() override;
    void WindowClosed() override;
    void WhenNoneUp(const std::function<void()>& then) override;

  private:
    MessageBoxes& shown_;
    int up_ = 0;
    std::vector<std::function<void()>> waiting_;
};
