#pragma once

#include "app/presenters/GraphForm.h"

#include <QList>
#include <QObject>

class QAction;
class QWidget;

// Binds the graph window's commands (context menu and keys) and its readout, a tooltip naming
// the computed point under the pointer, to the window. Nothing is drawn into the chart.
class GraphActions final : public QObject {
    Q_OBJECT

  public:
    GraphActions(QWidget& window, GraphForm& form);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowReadout(const QPoint& position, const QPoint& globalPosition);

    QWidget& window_;
    GraphForm& form_;
    QList<QAction*> actions_;
};
