#pragma once

#include <QString>

// The program's two kinds of modal box, captioned with the application's title. Behind an
// interface so that tests answer them without blocking.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // One text, an OK button and no icon, centred on the screen.
    virtual void ShowMessage(const QString& text) = 0;
    // The same with the error icon.
    virtual void ShowError(const QString& text) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;
};
