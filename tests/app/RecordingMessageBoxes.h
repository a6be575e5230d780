#pragma once

#include "app/presenters/MessageBoxes.h"

#include <functional>
#include <string>
#include <vector>

// Records the boxes the program would show; none of them blocks a test. `whileShown`, when set,
// runs while each box is up, as the messages a modal box dispatches.
class RecordingMessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const std::string& text) override { Show(messages, text); }
    void ShowError(const std::string& text) override { Show(errors, text); }
    // Questions are answered with `answer` and recorded.
    Answer Ask(const std::string& text) override { return Show(questions, text), answer; }
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    Answer answer = Answer::Cancel;
    std::function<void()> whileShown;

  private:
    void Show(std::vector<std::string>& kind, const std::string& text) {
        kind.push_back(text);
        // A copy: the call may clear `whileShown`.
        if (const std::function<void()> during = whileShown)
            during();
    }
};
