#pragma once

#include "app/presenters/MessageBoxes.h"

#include <QEventLoop>
#include <QStringList>
#include <QTimer>

#include <algorithm>

// Records the boxes the program would show; none of them blocks a test. With `runEventLoop` a
// box runs the event loop while "shown", as a modal box does, so pending paints happen during it.
class FakeMessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const std::string& text) override { Show(messages, text); }
    void ShowError(const std::string& text) override { Show(errors, text); }
    // Questions are answered with `answer` and recorded.
    Answer Ask(const std::string& text) override {
        Show(questions, text);
        return answer;
    }
    QStringList messages;
    QStringList errors;
    QStringList questions;
    Answer answer = Answer::Cancel;
    bool runEventLoop = false;
    int mostUpAtOnce = 0; // boxes stacked on each other at the most

  private:
    void Show(QStringList& kind, const std::string& text) {
        kind << QString::fromStdString(text);
        if (!runEventLoop)
            return;
        mostUpAtOnce = std::max(mostUpAtOnce, ++up_);
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
        --up_;
    }
    int up_ = 0;
};
