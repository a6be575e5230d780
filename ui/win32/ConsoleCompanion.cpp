// ou.com, the console companion of ou.exe: cmd finds ou.com before ou.exe, so "ou --csv …" typed
// at a prompt runs a console program, which holds the console until it is done, prints where the
// prompt waits and returns its exit code to %errorlevel%. Whatever needs a window (no arguments,
// a stage file to open) it hands to ou.exe in its own folder and returns at once.
#include "CommandLineRun.h"
#include "Text.h"
#include "app/texts/Fill.h"
#include "app/texts/Texts.h"

#include <string>

namespace {

// The path of ou.exe beside this program.
std::wstring WindowProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (size < path.size()) {
            path.resize(size);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"ou.exe";
}

// Starts ou.exe with this program's arguments as they were typed; 0, or the exit of a failure
// told on standard error.
int StartWindowProgram() {
    const std::wstring program = WindowProgramPath();
    const std::wstring_view arguments = ArgumentsAfterProgramName(GetCommandLineW());
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty())
        commandLine.append(L" ").append(arguments);
    STARTUPINFOW startUp = {};
    startUp.cb = sizeof startUp;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startUp, &started)) {
        const std::string message =
            Fill(kWindowProgramNotStarted,
                 {{"program", Narrow(program)}, {"code", std::to_string(GetLastError())}}) +
            "\n";
        WriteStandard(GetStdHandle(STD_ERROR_HANDLE), message);
        return kExitBadInput;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return kExitSuccess;
}

} // namespace

int main() {
    const CommandLine command = ReadProgramCommandLine();
    if (!RunsWithoutWindows(command))
        return StartWindowProgram();
    return Report(RunWithoutWindowsOnWindows(command), GetStdHandle(STD_OUTPUT_HANDLE),
                  GetStdHandle(STD_ERROR_HANDLE));
}
