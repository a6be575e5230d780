#pragma once

#include "ui/MessageBoxes.h"

#include <QStringList>

// Records the boxes the program would show; none of them blocks a test.
class FakeMessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const QString& text) override { messages << text; }
    void ShowError(const QString& text) override { errors << text; }
    QStringList messages;
    QStringList errors;
};
