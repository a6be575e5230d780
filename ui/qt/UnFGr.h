#pragma once

#include "ui/CalcState.h"
#include "ui/MessageBoxes.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TForm3;
}
class FileChooser;
class GraphActions;

// The graph window "график": the gain curve of the last calculation, drawn from the calculation
// state as it stands at every paint. It holds no data of its own.
class TForm3 final : public QWidget {
    Q_OBJECT

  public:
    // The window's frame on the platform the layout was made for: outer size less client size.
    static constexpr QSize kFrame{8, 34};

    TForm3(const CalcState& state, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~TForm3() override;

    // The results or the graph mode may have changed: a paint that failed before is tried again
    // at the next paint (nothing is repainted now).
    void CalcStateChanged() { paintFailed_ = false; }

    void FormCreate();
    void FormPaint();

    // Where "Сохранить рисунок…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<Ui::TForm3> ui_;
    const CalcState& state_;
    MessageBoxes& boxes_;
    GraphActions* actions_ = nullptr;
    // A failed paint is reported once; until the state changes the window shows its background
    // only, or every repaint (the error box's own closing among them) would report it again.
    bool paintFailed_ = false;
};
