#pragma once

#include "app/MessageBoxes.h"

#include <QStringList>

// Records the boxes the program would show; none of them blocks a test.
class FakeMessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const std::string& text) override { messages << QString::fromStdString(text); }
    void ShowError(const std::string& text) override { errors << QString::fromStdString(text); }
    QStringList messages;
    QStringList errors;
};
