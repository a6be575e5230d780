#pragma once

#include "app/CalcState.h"
#include "app/GraphPicture.h"
#include "app/MessageBoxes.h"

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

    // A calculation has ended or "график" was pressed: a paint that failed before is tried again,
    // and a window on screen is repainted from the state as it now stands.
    void CalcStateChanged();

    void FormCreate();
    void FormPaint();

    // Where "Сохранить рисунок…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<Ui::TForm3> ui_;
    MessageBoxes& boxes_;
    GraphPicture picture_;
    GraphActions* actions_ = nullptr;
};
