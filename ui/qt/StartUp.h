#pragma once

#include "DesignWindows.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "SpreadWindows.h"
#include "app/presenters/MessageBoxes.h"

#include <QTranslator>

// Qt's own texts in Russian, as the program's are, whatever the system's language: its file
// dialog, its standard buttons and the context menus of edits. Qt's translation is read from where
// this Qt keeps its translations; without it they stay English.
class QtTranslation {
  public:
    QtTranslation();
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;
    bool Loaded() const { return loaded_; }

  private:
    QTranslator translator_;
    bool loaded_ = false;
};

// The program's three windows, created in start-up order: the main window first (closing it ends
// the program, whatever else is open), then the help and the graph windows, hidden, and the
// windows of the tolerance analysis, made when asked for. All live until the end.
class ProgramWindows {
  public:
    explicit ProgramWindows(MessageBoxes& boxes);

    QtTranslation Translation; // before any window
    // The windows' boxes, which take turns with the dialogs.
    TurnTakingBoxes Boxes;
    // The stage session and every window's presenter over it.
    StagePresenters Presenters;
    MainWindow Main;
    HelpWindow Help;
    GraphWindow Graph;
    // "Разброс…".
    SpreadWindows Spread;
    // "Подбор номиналов…".
    DesignWindows Design;
};
