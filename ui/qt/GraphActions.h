#pragma once

#include "app/CalcState.h"
#include "app/MessageBoxes.h"

#include <QObject>

class FileChooser;
class QAction;
class QWidget;

// What the graph window offers besides its picture: a tooltip naming the computed point under
// the pointer, and a context menu with "Копировать рисунок" (Ctrl+C), "Сохранить рисунок…"
// (Ctrl+S) and "Характерные точки…". Nothing is drawn into the chart.
class GraphActions final : public QObject {
    Q_OBJECT

  public:
    GraphActions(QWidget& window, const CalcState& state, MessageBoxes& boxes);

    void SetFileChooser(FileChooser& chooser) { chooser_ = &chooser; }

    // The tooltip for the pointer at `position` in the window, or none.
    void ShowReadout(const QPoint& position, const QPoint& globalPosition);
    void CopyPicture();
    void SavePicture();
    void ShowCharacteristicPoints();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    const CalcState& state_;
    MessageBoxes& boxes_;
    FileChooser* chooser_;
    QAction* characteristicPoints_ = nullptr;
};
