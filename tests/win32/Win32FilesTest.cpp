#include "ui/win32/Win32Files.h"

#include "app/SafeFile.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

struct CodeCase {
    const char* name;
    DWORD code;
    const char* text;
};

class WindowsErrorCode : public testing::TestWithParam<CodeCase> {};

// The reason comes from Windows' own code, not from the C library's errno after it.
TEST_P(WindowsErrorCode, ReadsAsTheUserCanActOnIt) {
    EXPECT_EQ(FileErrorText(FileErrorOfWindowsCode(GetParam().code)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Win32Files, WindowsErrorCode,
    testing::Values(
        CodeCase{"DiskFull", ERROR_DISK_FULL, "на диске не хватает места"},
        CodeCase{"AccessDenied", ERROR_ACCESS_DENIED, "нет доступа к папке или к файлу"},
        CodeCase{"SharingViolation", ERROR_SHARING_VIOLATION, "файл открыт в другой программе"},
        CodeCase{"Unknown", ERROR_INVALID_FUNCTION, "ошибка записи (код 1)"}),
    [](const auto& info) { return info.param.name; });

// The longest name saves, in a path past MAX_PATH; a new file is never one that exists.
TEST(Win32Files, TakeTheLongestNameAndCreateOnlyNewFiles) {
    const fs::path folder = fs::temp_directory_path() / "ou-win32-files";
    fs::create_directories(folder);
    const fs::path longest = folder / (std::string(251, 'a') + ".csv");
    EXPECT_EQ(WriteFileSafely(
                  longest, [](std::ostream& out) { out << "1;2"; }, Win32Files()),
              "");
    EXPECT_FALSE(Win32Files().CreateNew(longest).has_value());
    EXPECT_EQ(Win32Files().LastFailure().Failure, FileFailure::NameTaken);
    std::error_code status;
    EXPECT_EQ(fs::file_size(longest, status), 3u);
    fs::remove_all(folder, status);
}

// Windows names one file in many ways: another letter case, the short 8.3 name. A table must not
// replace the stage file under any of them.
TEST(Win32Files, SameFileUnderAnotherCaseOrItsShortName) {
    const fs::path folder = fs::temp_directory_path() / "ou-win32-same-file";
    fs::create_directories(folder);
    const fs::path stage = folder / L"Каскад с длинным именем.ou";
    WriteFileSafely(stage, [](std::ostream& out) { out << "format = ou-stage 1\n"; }, Win32Files());
    wchar_t shortName[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameW(stage.c_str(), shortName, MAX_PATH), 0u);
    EXPECT_TRUE(SameFile(folder / L"КАСКАД С ДЛИННЫМ ИМЕНЕМ.OU", stage));
    EXPECT_TRUE(SameFile(fs::path(shortName), stage));
    EXPECT_FALSE(SameFile(folder / L"другой.ou", stage));
    std::error_code status;
    fs::remove_all(folder, status);
}

} // namespace
