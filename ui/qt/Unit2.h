#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm2;
}

// The help window "Справка": a fixed picture explaining the amplifier model and the units of
// entry. Shown by the main window's "??", hidden again by "закрыть" (the default button, so Enter
// presses it) or by Escape; never modal.
class TForm2 final : public QWidget {
    Q_OBJECT

  public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    void Button1Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::unique_ptr<Ui::TForm2> ui_;
};
