#include "LocaleSeparator.h"
#include "QtMessageBoxes.h"
#include "StartUp.h"
#include "app/CommandLine.h"
#include "app/EventGuard.h"
#include "app/StageForm.h"
#include "numerics/FloatError.h"
#include "numerics/NumberText.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    SetFloatingPointMode();
    // Number texts follow the user's locale, asked afresh at every conversion.
    SetDecimalSeparatorSource(&LocaleDecimalSeparator);
    // Decided before any window: --csv, --help and --version run without a display.
    const CommandLine command = ParseCommandLine({argv + 1, argv + argc});
    if (RunsWithoutWindows(command)) {
        const CommandLineOutcome outcome = RunWithoutWindows(command);
        std::cout << outcome.Output << std::flush;
        std::cerr << outcome.Errors << std::flush;
        return outcome.Exit;
    }

    QApplication application(argc, argv);
    QtMessageBoxes boxes;
    ProgramWindows windows(boxes);
    application.setWindowIcon(windows.Form1.windowIcon());
    if (command.Do == CommandLine::Action::Open)
        RunGuarded(boxes, [&] { OpenStage(windows.Form1, boxes, command.StagePath); });
    return application.exec();
}
