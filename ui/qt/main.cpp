#include "LocaleSeparator.h"
#include "QtMessageBoxes.h"
#include "SettingsRecentFiles.h"
#include "StartUp.h"
#include "app/CommandLine.h"
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
    SettingsRecentFiles recentFiles;
    windows.Form1.Form().SetRecentFilesStore(recentFiles);
    if (command.Do == CommandLine::Action::Open)
        windows.Form1.Form().OpenAtStart(command.StagePath);
    return application.exec();
}
