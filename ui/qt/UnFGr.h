#pragma once

#include "FileDialog.h"
#include "app/CalcState.h"
#include "app/GraphForm.h"
#include "app/MessageBoxes.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TForm3;
}
class GraphActions;

// The graph window "график": the gain curve of the last calculation, drawn from the calculation
// state as it stands at every paint. It holds no data of its own; its decisions are GraphForm's.
class TForm3 final : public QWidget, public GraphView {
    Q_OBJECT

  public:
    // The window's frame on the platform the layout was made for: outer size less client size.
    static constexpr QSize kFrame{8, 34};

    TForm3(const CalcState& state, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~TForm3() override;

    GraphForm& Form() { return form_; }
    // A calculation has ended or "график" was pressed.
    void CalcStateChanged() { form_.CalcStateChanged(); }
    // Where "Сохранить рисунок…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser) { form_.SetFileChooser(chooser); }

    void FormCreate();

    // GraphView
    bool IsShown() const override { return isVisible(); }
    void Repaint() override { update(); }
    void CopyPictureToClipboard() override;
    std::string PictureAsPng() override;
    void ShowMarkerReadout(const std::string& text, Point at) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Paint();

    std::unique_ptr<Ui::TForm3> ui_;
    FileDialog dialog_;
    TurnTakingChooser dialogs_;
    GraphForm form_;
    GraphActions* actions_ = nullptr;
};
