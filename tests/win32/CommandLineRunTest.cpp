#include "ui/win32/CommandLineRun.h"

#include "ui/win32/Win32Files.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <shellapi.h>

namespace {

namespace fs = std::filesystem;

struct TailCase {
    const char* name;
    const wchar_t* commandLine;
    const wchar_t* arguments;
};

class ArgumentsAfterTheName : public testing::TestWithParam<TailCase> {};

std::vector<std::wstring> ArgumentsOf(const std::wstring& commandLine) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine.c_str(), &count);
    std::vector<std::wstring> after(arguments + 1, arguments + count);
    LocalFree(arguments);
    return after;
}

// ou.com hands ou.exe what was typed after its name: ou.exe then reads the same arguments.
TEST_P(ArgumentsAfterTheName, AreHandedOnAsTyped) {
    const std::wstring_view tail = ArgumentsAfterProgramName(GetParam().commandLine);
    EXPECT_EQ(tail, GetParam().arguments);
    EXPECT_EQ(ArgumentsOf(L"ou.exe " + std::wstring(tail)), ArgumentsOf(GetParam().commandLine));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLineRun, ArgumentsAfterTheName,
    testing::Values(TailCase{"QuotedNameWithBlanks",
                             L"\"C:\\Program Files\\OU\\ou.com\" --csv a.csv \"каскад 1.ou\"",
                             L"--csv a.csv \"каскад 1.ou\""},
                    TailCase{"PlainName", L"ou --version", L"--version"},
                    TailCase{"NameAlone", L"ou", L""},
                    TailCase{"QuotedNameAlone", L"\"C:\\OU\\ou.com\"   ", L""},
                    TailCase{"BlanksAndTabsAfterTheName", L"ou.com \t  \"a b.ou\"", L"\"a b.ou\""}),
    [](const auto& info) { return info.param.name; });

// A file the command line writes fails as the window's saves do: with the reason Windows gives,
// not the C library's guess from it.
TEST(CommandLineRun, WritesThroughTheWindowsFileLayer) {
    UsePlatformFiles(nullptr);
    const fs::path folder = fs::temp_directory_path() / "ou-command-line-run";
    fs::create_directories(folder);
    const fs::path stage = folder / "stage.ou";
    std::ofstream(stage) << "format = ou-stage 1\nR1 = 100\nR2 = 1000\nR3 = 1\nR4 = 99\n"
                            "R5 = 1000\nC1 = 10\nC2 = 10\nC3 = 100\nC4 = 1\nC5 = 1\nk0 = 1E5\n"
                            "Rin = 10\nf1 = 1\nfrom = 10\nto = 100\nstep = 10\n";
    const std::string table = (folder / "table<1>.csv").string();
    const CommandLineOutcome outcome =
        RunWithoutWindowsOnWindows(ParseCommandLine({"--csv", table, stage.string()}));
    EXPECT_EQ(outcome.Exit, kExitBadInput);
    EXPECT_NE(outcome.Errors.find(FileErrorText(FileErrorOfWindowsCode(ERROR_INVALID_NAME))),
              std::string::npos)
        << outcome.Errors;
    UsePlatformFiles(nullptr);
    std::error_code status;
    fs::remove_all(folder, status);
}

// Standard output that is a file or a pipe gets the bytes as they are: UTF-8, and a CSV's CRLF
// line ends unchanged, never a text mode's doubled CR.
TEST(CommandLineRun, WritesTheBytesUnchangedToAPipe) {
    HANDLE reader = nullptr;
    HANDLE writer = nullptr;
    ASSERT_TRUE(CreatePipe(&reader, &writer, nullptr, 0));
    const std::string bytes = "f, Гц;|k|\r\n10;1,5\r\n";
    EXPECT_TRUE(WriteStandard(writer, bytes));
    CloseHandle(writer);
    std::string read(64, '\0');
    DWORD size = 0;
    ReadFile(reader, read.data(), static_cast<DWORD>(read.size()), &size, nullptr);
    CloseHandle(reader);
    read.resize(size);
    EXPECT_EQ(read, bytes);
}

// A console gets characters, not bytes to be read in its code page: Cyrillic reads right in any.
// (Wine makes a console only where it has a display, as the window tests do.)
TEST(CommandLineRun, WritesCharactersToAConsole) {
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    SetConsoleOutputCP(437); // a code page without Cyrillic
    const HANDLE screen =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(WriteStandard(screen, "Использование"));
    std::wstring shown(13, L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, shown.data(), static_cast<DWORD>(shown.size()), {0, 0},
                                &read);
    EXPECT_EQ(shown, L"Использование");
    CloseHandle(screen);
    FreeConsole();
}

} // namespace
