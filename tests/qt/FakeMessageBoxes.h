#pragma once

#include "app/MessageBoxes.h"

#include <QStringList>

// Records the boxes the program would show; none of them blocks a test.
class FakeMessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const std::string& text) override { messages << QString::fromStdString(text); }
    void ShowError(const std::string& text) override { errors << QString::fromStdString(text); }
    // Questions are answered with `answer` and recorded.
    Answer Ask(const std::string& text) override {
        questions << QString::fromStdString(text);
        return answer;
    }
    QStringList messages;
    QStringList errors;
    QStringList questions;
    Answer answer = Answer::Cancel;
};
