#pragma once

#include <QProgressDialog>

#include <functional>

struct NamedControl;

// The progress box of a long analysis: window-modal over `owner`, its bar of 0 … 1000 and its
// "Отмена" named for automation, calling `cancel` when the user presses it (not when the
// presenter closes the box).
class ProgressBox {
  public:
    ProgressBox(QWidget& owner, const char* objectName, const char* caption, const char* text,
                const NamedControl& bar, const NamedControl& cancel,
                std::function<void()> cancelled);
    ~ProgressBox() { Close(); }
    ProgressBox(const ProgressBox&) = delete;
    ProgressBox& operator=(const ProgressBox&) = delete;

    // Shown at the first call, then brought to `permille`; `named` names its controls for screen
    // readers once it is made.
    void Show(int permille, const std::function<void(QWidget&)>& named = {});
    void Close();

  private:
    QWidget& owner_;
    const char* objectName_;
    const char* caption_;
    const char* text_;
    const NamedControl& bar_;
    const NamedControl& cancel_;
    std::function<void()> cancelled_;
    QProgressDialog* box_ = nullptr;
};
