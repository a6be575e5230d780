#pragma once

#include "FileDialog.h"
#include "app/presenters/MessageBoxes.h"
#include "app/session/StagePresenters.h"
#include "calc/SweepResult.h"

#include <QWidget>

#include <memory>
#include <utility>

namespace Ui {
class GraphWindow;
}
class GraphActions;

// The graph window "график": the gain curve of the result it was last handed, drawn anew at every
// paint. Its decisions are GraphPresenter's.
class GraphWindow final : public QWidget, public GraphView {
    Q_OBJECT

  public:
    // The window's frame on the platform the layout was made for: outer size less client size.
    static constexpr QSize kFrame{8, 34};

    GraphWindow(StagePresenters& presenters, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~GraphWindow() override;

    GraphPresenter& Presenter() { return presenter_; }
    // A calculation has ended or "график" was pressed: the curve to draw, in dB over log10(f) or
    // as a ratio over f.
    void Show(SharedResult result, bool logScale) {
        presenter_.ShowResult(std::move(result), logScale);
    }
    // Where "Сохранить рисунок…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser) { presenter_.SetFileChooser(chooser); }

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

    std::unique_ptr<Ui::GraphWindow> ui_;
    FileDialog dialog_;
    TurnTakingChooser dialogs_;
    StagePresenters& presenters_;
    GraphPresenter& presenter_;
    GraphActions* actions_ = nullptr;
};
