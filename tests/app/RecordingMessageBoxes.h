#pragma once

#include "app/MessageBoxes.h"

#include <string>
#include <vector>

// Records the boxes the program would show; none of them blocks a test.
class RecordingMessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    // Questions are answered with `answer` and recorded.
    Answer Ask(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    Answer answer = Answer::Cancel;
};
