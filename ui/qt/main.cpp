#include "LocaleSeparator.h"
#include "QtMessageBoxes.h"
#include "QtOptions.h"
#include "SettingsRecentFiles.h"
#include "StartUp.h"
#include "app/files/CommandLine.h"
#include "app/texts/Texts.h"
#include "numerics/FloatError.h"
#include "numerics/NumberText.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <utility>
#include <vector>

namespace {

// Qt's messages while the application starts, held back: when it cannot start they are noise.
std::vector<std::pair<QtMsgType, QString>> startingMessages;

// While the application starts: Qt's fatal error there is a platform it cannot open, usually no
// display at all. The user is told so, and how to compute without a window, instead of Qt's abort.
void StartingMessage(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
    if (type == QtFatalMsg) {
        std::cerr << kNoDisplay << std::flush;
        std::_Exit(kExitBadInput);
    }
    startingMessages.emplace_back(type, text);
}

} // namespace

int main(int argc, char* argv[]) {
    SetFloatingPointMode();
    // Number texts follow the user's locale, asked afresh at every conversion.
    SetDecimalSeparatorSource(&LocaleDecimalSeparator);
    // Decided before any window: --csv, --help and --version run without a display.
    const CommandLine command = ParseCommandLine({argv + 1, argv + argc}, kQtOptions);
    if (RunsWithoutWindows(command)) {
        const CommandLineOutcome outcome = RunWithoutWindows(command);
        std::cout << outcome.Output << std::flush;
        std::cerr << outcome.Errors << std::flush;
        return outcome.Exit;
    }

    const QtMessageHandler previous = qInstallMessageHandler(&StartingMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    for (const auto& [type, text] : startingMessages)
        qt_message_output(type, QMessageLogContext(), text);
    QtMessageBoxes boxes;
    ProgramWindows windows(boxes);
    application.setWindowIcon(windows.Main.windowIcon());
    SettingsRecentFiles recentFiles;
    windows.Main.Presenter().SetRecentFilesStore(recentFiles);
    if (command.Do == CommandLine::Action::Open)
        windows.Main.Presenter().OpenAtStart(command.StagePath);
    return application.exec();
}
