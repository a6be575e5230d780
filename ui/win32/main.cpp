#include "CommandLineRun.h"
#include "RegistryRecentFiles.h"
#include "StartUp.h"
#include "Win32MessageBoxes.h"
#include "WindowsApi.h"

namespace {

// ou.exe is a GUI program and has no console of its own: it writes to the handles it was given
// (a file, a pipe), else to the console it was started from, borrowed. From cmd that console's
// prompt has come back already; ou.com is the program to type there.
HANDLE BorrowedHandle(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
        return handle;
    return CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                       nullptr);
}

} // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    const CommandLine command = ReadProgramCommandLine();
    if (RunsWithoutWindows(command)) {
        const CommandLineOutcome outcome = RunWithoutWindowsOnWindows(command);
        AttachConsole(ATTACH_PARENT_PROCESS);
        return Report(outcome, BorrowedHandle(STD_OUTPUT_HANDLE), BorrowedHandle(STD_ERROR_HANDLE));
    }

    InitialiseControls();
    Win32MessageBoxes boxes;
    ProgramWindows windows(boxes);
    RegistryRecentFiles recentFiles;
    windows.Main.Presenter().SetRecentFilesStore(recentFiles);
    if (command.Do == CommandLine::Action::Open)
        windows.Main.Presenter().OpenAtStart(command.StagePath);
    return RunMessageLoop();
}
