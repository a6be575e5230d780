#include "CommandLineRun.h"

#include "LocaleSeparator.h"
#include "Text.h"
#include "Win32Files.h"
#include "numerics/FloatError.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <shellapi.h>

std::vector<std::string> ProgramArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int i = 1; arguments != nullptr && i < count; ++i)
        utf8.push_back(Narrow(arguments[i]));
    LocalFree(arguments);
    return utf8;
}

CommandLine ReadProgramCommandLine() {
    SetFloatingPointMode();
    // Number texts follow the user's locale, asked afresh at every conversion.
    SetDecimalSeparatorSource(&LocaleDecimalSeparator);
    return ParseCommandLine(ProgramArguments());
}

std::wstring_view ArgumentsAfterProgramName(std::wstring_view commandLine) {
    size_t end = 0;
    if (commandLine.starts_with(L'"')) {
        // Within the quoted name every character counts, blanks too; no escapes.
        end = commandLine.find(L'"', 1);
        end = end == std::wstring_view::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find_first_of(L" \t"), commandLine.size());
    }
    const size_t start = commandLine.find_first_not_of(L" \t", end);
    return start == std::wstring_view::npos ? std::wstring_view() : commandLine.substr(start);
}

CommandLineOutcome RunWithoutWindowsOnWindows(const CommandLine& command) {
    UsePlatformFiles(&Win32Files());
    return RunWithoutWindows(command);
}

namespace {

// A console takes at most some tens of kilobytes a call on older Windows.
constexpr size_t kConsoleChunk = 8192;

bool WriteCharacters(HANDLE console, const std::wstring& text) {
    for (size_t done = 0; done < text.size();) {
        size_t size = std::min(kConsoleChunk, text.size() - done);
        // A surrogate pair stays in one call.
        if (done + size < text.size() && IS_HIGH_SURROGATE(text[done + size - 1]))
            --size;
        DWORD written = 0;
        if (!WriteConsoleW(console, text.data() + done, static_cast<DWORD>(size), &written,
                           nullptr) ||
            written == 0)
            return false;
        done += written;
    }
    return true;
}

bool WriteBytes(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1 << 30));
        if (!WriteFile(file, bytes.data(), size, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

bool WriteStandard(HANDLE handle, std::string_view text) {
    if (text.empty())
        return true;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode))
        return WriteCharacters(handle, Widen(TextForConsole(text)));
    return WriteBytes(handle, text);
}

int Report(const CommandLineOutcome& outcome, HANDLE output, HANDLE errors) {
    WriteStandard(output, outcome.Output);
    WriteStandard(errors, outcome.Errors);
    return outcome.Exit;
}
