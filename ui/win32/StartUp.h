#pragma once

#include "DesignWindows.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "SpreadWindows.h"
#include "app/presenters/MessageBoxes.h"

// The program's three windows, created in start-up order: the main window first (closing it ends
// the program, whatever else is open), then the help and the graph windows, hidden, and the
// windows of "Разброс…" and "Подбор номиналов…" over them. All live until the end.
class ProgramWindows {
  public:
    explicit ProgramWindows(MessageBoxes& boxes);
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // The windows' boxes, which take turns with the dialogs.
    TurnTakingBoxes Boxes;
    // The stage session and every window's presenter over it.
    StagePresenters Presenters;
    MainWindow Main;
    HelpWindow Help;
    GraphWindow Graph;
    SpreadWindows Spread;
    DesignWindows Design;
};

// Initialises the common controls and makes the thread a COM apartment; once, before the first
// window.
void InitialiseControls();

// Runs the message loop until the main window closes; returns the exit code it posted.
int RunMessageLoop();

// One message as the loop handles it: the keys that move between controls (Tab, the arrows,
// Enter and Space on a button) for the window it belongs to, everything else to its window.
void DispatchWindowMessage(MSG& message);
