#pragma once

#include "app/session/StagePresenters.h"

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

// Binds the main window's menu bar to the program's menu bar table: a menu per table menu, its
// items with their keys, the choices checked, the recent files above the items set apart from them.
// The texts' "&" marks the access keys; F10 opens the first menu.
class MenuBar final : public QObject {
    Q_OBJECT

  public:
    MenuBar(QMenuBar& bar, StagePresenters& presenters);

    // Check marks, enabling and the recent files as the presenter now has them.
    void Follow();

  private:
    StagePresenters& presenters_;
    QList<QAction*> actions_; // in the table's order
    QMenu* fileMenu_ = nullptr;
    QAction* recentFilesStart_ = nullptr; // the recent files stand between these separators
    QAction* recentFilesEnd_ = nullptr;
    QList<QAction*> recentFiles_;
};
