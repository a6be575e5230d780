#include "ui/win32/CommandLineRun.h"

#include "ui/win32/Win32Files.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A file the command line writes fails as the window's saves do: with the reason Windows gives,
// not the C library's guess from it.
TEST(CommandLineRun, WritesThroughTheWindowsFileLayer) {
    UsePlatformFiles(nullptr);
    const fs::path folder = fs::temp_directory_path() / "ou-command-line-run";
    fs::create_directories(folder);
    std::ofstream(folder / "stage.ou")
        << "format = ou-stage 1\nR1 = 100\nR2 = 1000\nR3 = 1\n"
           "R4 = 99\nR5 = 1000\nC1 = 10\nC2 = 10\nC3 = 100\nC4 = 1\n"
           "C5 = 1\nk0 = 1E5\nRin = 10\nf1 = 1\nfrom = 10\nto = 100\n"
           "step = 10\n";
    const CommandLineOutcome outcome = RunWithoutWindowsOnWindows(ParseCommandLine(
        {"--csv", (folder / "table<1>.csv").string(), (folder / "stage.ou").string()}));
    EXPECT_EQ(outcome.Exit, kExitBadInput);
    EXPECT_NE(outcome.Errors.find(FileErrorText(FileErrorOfWindowsCode(ERROR_INVALID_NAME))),
              std::string::npos)
        << outcome.Errors;
    UsePlatformFiles(nullptr);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

// A console gets characters, not bytes to be read in its code page: Cyrillic reads right in any;
// a CSV's byte-order mark, there for spreadsheets, is not shown.
// (Wine makes a console only where it has a display, as the window tests do.)
TEST(CommandLineRun, WritesCharactersToAConsole) {
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    SetConsoleOutputCP(437); // a code page without Cyrillic
    const HANDLE screen =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(WriteStandard(screen, "\xEF\xBB\xBF"
                                      "Использование"));
    std::wstring shown(13, L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, shown.data(), 13, {0, 0}, &read);
    EXPECT_EQ(shown, L"Использование");
    CloseHandle(screen);
    FreeConsole();
}

} // namespace
