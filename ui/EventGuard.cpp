#include "EventGuard.h"

QString ErrorBoxText(const std::exception& error) {
    QString text = QString::fromUtf8(error.what());
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        text += QLatin1Char('.');
    return text;
}

void RunGuarded(MessageBoxes& boxes, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        boxes.ShowError(ErrorBoxText(error));
    }
}
