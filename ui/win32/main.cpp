#include "LocaleSeparator.h"
#include "RegistryRecentFiles.h"
#include "StartUp.h"
#include "Text.h"
#include "Win32MessageBoxes.h"
#include "WindowsApi.h"
#include "app/files/CommandLine.h"
#include "numerics/FloatError.h"
#include "numerics/NumberText.h"

#include <shellapi.h>
#include <string>
#include <vector>

namespace {

// The arguments after the program's name, in UTF-8, from the wide command line, so a file name
// in any script arrives whole.
std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int i = 1; arguments != nullptr && i < count; ++i)
        utf8.push_back(Narrow(arguments[i]));
    LocalFree(arguments);
    return utf8;
}

// Writes to a standard handle: wide characters to a console, UTF-8 bytes to a file or pipe.
// ou.exe is a GUI program and has no console of its own; it borrows the one it was started from.
void WriteStandard(DWORD which, const std::string& text) {
    if (text.empty())
        return;
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        handle = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = Widen(text);
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    SetFloatingPointMode();
    // Number texts follow the user's locale, asked afresh at every conversion.
    SetDecimalSeparatorSource(&LocaleDecimalSeparator);
    const CommandLine command = ParseCommandLine(Arguments());
    if (RunsWithoutWindows(command)) {
        const CommandLineOutcome outcome = RunWithoutWindows(command);
        AttachConsole(ATTACH_PARENT_PROCESS);
        WriteStandard(STD_OUTPUT_HANDLE, outcome.Output);
        WriteStandard(STD_ERROR_HANDLE, outcome.Errors);
        return outcome.Exit;
    }

    InitialiseControls();
    Win32MessageBoxes boxes;
    ProgramWindows windows(boxes);
    RegistryRecentFiles recentFiles;
    windows.Form1.Form().SetRecentFilesStore(recentFiles);
    if (command.Do == CommandLine::Action::Open)
        windows.Form1.Form().OpenAtStart(command.StagePath);
    return RunMessageLoop();
}
