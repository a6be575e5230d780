#pragma once

#include "app/presenters/GraphPresenter.h"

#include <QList>
#include <QObject>

class QAction;
class QWidget;

// Binds the graph window's commands (context menu and keys) and its readouts to the window: a
// tooltip naming the computed point under the pointer, and the marker the arrow keys, Home, End,
// PgUp and PgDn move, whose readout is a tooltip at the marker and the window's accessible
// description.
class GraphActions final : public QObject {
    Q_OBJECT

  public:
    GraphActions(QWidget& window, GraphPresenter& form);

    // The presenter's marker readout: the tooltip at `at` and the description screen readers
    // read, with the event that tells them it changed.
    void ShowMarkerReadout(const std::string& text, Point at);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowReadout(const QPoint& position, const QPoint& globalPosition);
    // The chart fills the whole client area, as the paint scales it.
    ClipRect ChartArea() const;

    QWidget& window_;
    GraphPresenter& presenter_;
    QList<QAction*> actions_;
};
