#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class HelpWindow;
}

// The help window "Справка": a fixed picture explaining the amplifier model and the units of
// entry. Shown by the main window's "??", hidden again by "закрыть" (the default button, so Enter
// presses it) or by Escape; never modal.
class HelpWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    void CloseButtonClicked();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::unique_ptr<Ui::HelpWindow> ui_;
};
