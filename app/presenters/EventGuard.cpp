#include "EventGuard.h"

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
