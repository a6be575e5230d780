#pragma once

#include "GraphWindow.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "app/presenters/MessageBoxes.h"

// The program's three windows, created in start-up order: the main window first (closing it ends
// the program, whatever else is open), then the help and the graph windows, hidden. All three
// live until the end.
class ProgramWindows {
  public:
    explicit ProgramWindows(MessageBoxes& boxes);

    MainWindow Form1;
    HelpWindow Form2;
    GraphWindow Form3;
};
