#include "EventGuard.h"

#include <utility>

std::string ErrorBoxText(const std::exception& error) {
    std::string text = error.what();
    // A UTF-8 text's last byte is below 0x80 only for an ASCII character, so comparing bytes
    // unsigned sorts every other last character after the stop, as comparing characters does.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

void RunGuarded(MessageBoxes& boxes, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        boxes.ShowError(ErrorBoxText(error));
    }
}

void TurnTakingBoxes::ShowMessage(const std::string& text) {
    WhileUp([&] { shown_.ShowMessage(text); });
}

void TurnTakingBoxes::ShowError(const std::string& text) {
    WhileUp([&] { shown_.ShowError(text); });
}

Answer TurnTakingBoxes::Ask(const std::string& text) {
    Answer answer = Answer::Cancel;
    WhileUp([&] { answer = shown_.Ask(text); });
    return answer;
}

void MessageBoxes::WhileUp(const std::function<void()>& dialog) {
    WindowOpened();
    try {
        dialog();
    } catch (...) {
        WindowClosed();
        throw;
    }
    WindowClosed();
}

void TurnTakingBoxes::WindowOpened() {
    ++up_;
}

void TurnTakingBoxes::WindowClosed() {
    if (up_ == 0 || --up_ > 0)
        return;
    // What waited may show a box of its own, and what comes up then may wait in turn.
    for (std::vector<std::function<void()>> now; !(now = std::exchange(waiting_, {})).empty();)
        for (const std::function<void()>& then : now)
            then();
}

void TurnTakingBoxes::WhenNoneUp(const std::function<void()>& then) {
    if (up_ > 0)
        waiting_.push_back(then);
    else
        then();
}
