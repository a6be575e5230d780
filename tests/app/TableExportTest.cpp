#include "app/files/TableExport.h"

#include "app/files/SafeFile.h"
#include "numerics/NumberText.h"
#include "tests/app/ForwardedFiles.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;

const char* const kHeadings[] = {"частота, Гц", " |k|, раз", " |k|, дБ"};

// Three computed rows, shown as the calculation shows them; cells read
//   10    1.23457  1.8303
//   20.5  99999    100
//   30    0.5      -6.0206
class ExportedTable : public testing::Test {
  protected:
    ExportedTable() : table(5) {
        state->Frequencies = {10, 20.5, 30};
        state->Ratio = {1.234567, 99999.4, 0.5};
        state->Decibels = {1.8303, 99.99999, -6.0205999};
        state->Computed = 3;
        table.Show(state);
        for (int column = 0; column < 3; ++column)
            table.SetHeading(column, kHeadings[column]);
        table.SetRowCount(4);
        table.ShowFrequencies(3);
        table.ShowGains(3);
    }
    ~ExportedTable() override { SetDecimalSeparatorSource(nullptr); }

    static void UseComma() {
        SetDecimalSeparatorSource([] { return U','; });
    }

    std::shared_ptr<SweepResult> state = std::make_shared<SweepResult>();
    ResultTable table;
};

struct CopyCase {
    const char* name;
    CellBlock block;
    bool comma;
    const char* text;
};

class CopiedBlock : public ExportedTable, public testing::WithParamInterface<CopyCase> {};

TEST_P(CopiedBlock, IsTheCellsAsShownWithTabsAndLineBreaks) {
    if (GetParam().comma)
        UseComma();
    EXPECT_EQ(CopyText(table, GetParam().block), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    ResultTable, CopiedBlock,
    testing::Values(
        CopyCase{"WholeTableWithItsHeading",
                 {0, 1, 2, 3},
                 false,
                 "частота, Гц\t |k|, раз\t |k|, дБ\n10\t1.23457\t1.8303\n20.5\t99999\t100\n"
                 "30\t0.5\t-6.0206"},
        CopyCase{"WholeTableUnderAComma",
                 {0, 1, 2, 3},
                 true,
                 "частота, Гц\t |k|, раз\t |k|, дБ\n10\t1,23457\t1,8303\n20,5\t99999\t100\n"
                 "30\t0,5\t-6,0206"},
        CopyCase{
            "LowerRowsWithoutHeading", {0, 2, 2, 3}, false, "20.5\t99999\t100\n30\t0.5\t-6.0206"},
        CopyCase{"TwoColumnsFromTheTopWithoutHeading",
                 {1, 1, 2, 2},
                 true,
                 "1,23457\t1,8303\n99999\t100"},
        CopyCase{"OneCell", {0, 3, 0, 3}, false, "30"},
        // A selection reaching into rows without results copies the rows that have them.
        CopyCase{"BeyondTheResults", {0, 2, 2, 40}, false, "20.5\t99999\t100\n30\t0.5\t-6.0206"},
        CopyCase{"NothingLeftOfTheTable", {-3, 1, -1, 3}, false, ""}),
    [](const auto& info) { return info.param.name; });

TEST_F(ExportedTable, RowsStoppedShortKeepTheirEmptyCells) {
    table.ShowGains(1);
    EXPECT_EQ(CopyText(table, WholeTable(table)),
              "частота, Гц\t |k|, раз\t |k|, дБ\n10\t1.23457\t1.8303\n20.5\t\t\n30\t\t");
    // A block whose first row is empty still keeps one line per row.
    EXPECT_EQ(CopyText(table, {1, 2, 1, 3}), "\n");
}

TEST_F(ExportedTable, NothingToCopyOrSaveWithoutResults) {
    table.Clear();
    EXPECT_EQ(table.FilledRows(), 0);
    EXPECT_EQ(CopyText(table, WholeTable(table)), "");
    EXPECT_EQ(CopyText(table, {0, 1, 2, 4}), "");
}

TEST_F(ExportedTable, CsvUnderAPointSeparatesByCommaAndQuotesTheHeadings) {
    EXPECT_EQ(CsvText(table), "\xEF\xBB\xBF\"частота, Гц\",\" |k|, раз\",\" |k|, дБ\"\r\n"
                              "10,1.23457,1.8303\r\n"
                              "20.5,99999,100\r\n"
                              "30,0.5,-6.0206\r\n");
}

TEST_F(ExportedTable, CsvUnderACommaSeparatesBySemicolon) {
    UseComma();
    EXPECT_EQ(CsvText(table), "\xEF\xBB\xBFчастота, Гц; |k|, раз; |k|, дБ\r\n"
                              "10;1,23457;1,8303\r\n"
                              "20,5;99999;100\r\n"
                              "30;0,5;-6,0206\r\n");
}

TEST_F(ExportedTable, CsvDoublesTheQuotesOfAQuotedField) {
    table.SetHeading(1, "\"k\"");
    table.ShowFrequencies(1);
    table.ShowGains(1);
    EXPECT_EQ(CsvText(table), "\xEF\xBB\xBF\"частота, Гц\",\"\"\"k\"\"\",\" |k|, дБ\"\r\n"
                              "10,1.23457,1.8303\r\n");
}

// --- Saving ---

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

class SavedTable : public ExportedTable {
  protected:
    SavedTable() {
        folder = fs::temp_directory_path() /
                 (u8"ou-сохранение-" +
                  std::u8string(reinterpret_cast<const char8_t*>(
                      testing::UnitTest::GetInstance()->current_test_info()->name())));
        fs::remove_all(folder);
        fs::create_directories(folder);
        target = folder / u8"таблица.csv";
    }
    ~SavedTable() override { fs::remove_all(folder); }

    // The names in the folder: after any save, only the chosen one (if any), never a leftover.
    std::vector<fs::path> Files() const {
        std::vector<fs::path> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename());
        return names;
    }

    fs::path folder;
    fs::path target;
};

TEST_F(SavedTable, WritesTheCsvUnderANameInAnyScript) {
    EXPECT_EQ(SaveTable(table, target), "");
    EXPECT_EQ(ReadFile(target), CsvText(table));
    EXPECT_EQ(Files(), std::vector<fs::path>{target.filename()});
}

TEST_F(SavedTable, ReplacesAnEarlierFile) {
    WriteText(target, "an earlier, much longer content that must not survive in any part");
    EXPECT_EQ(SaveTable(table, target), "");
    EXPECT_EQ(ReadFile(target), CsvText(table));
    EXPECT_EQ(Files(), std::vector<fs::path>{target.filename()});
}

TEST_F(SavedTable, MissingFolderIsAClearMessage) {
    const fs::path nowhere = folder / u8"нет" / u8"таблица.csv";
    EXPECT_EQ(SaveTable(table, nowhere),
              "Не удалось сохранить «" + Utf8(nowhere) + "»: такой папки нет.");
    EXPECT_TRUE(Files().empty());
}

TEST_F(SavedTable, FolderUnderTheChosenNameIsLeftAlone) {
    fs::create_directory(target);
    EXPECT_EQ(SaveTable(table, target),
              "Не удалось сохранить «" + Utf8(target) + "»: под этим именем уже есть папка.");
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(Files(), std::vector<fs::path>{target.filename()});
}

TEST_F(SavedTable, WriterThatFailsLeavesTheEarlierFile) {
    WriteText(target, "earlier");
    EXPECT_THROW(WriteFileSafely(target,
                                 [](std::ostream& out) {
                                     out << "half";
                                     throw std::runtime_error("stopped");
                                 }),
                 std::runtime_error);
    EXPECT_EQ(ReadFile(target), "earlier");
    EXPECT_EQ(Files(), std::vector<fs::path>{target.filename()});
}

// The platform's files, where someone else's files hold the first `taken` names asked for.
class CrowdedFolder final : public ForwardedFiles {
  public:
    explicit CrowdedFolder(size_t taken) : taken_(taken) {}
    std::optional<Handle> CreateNew(const fs::path& path) override {
        if (others.size() < taken_) {
            WriteText(path, "someone else's " + std::to_string(others.size()));
            others.push_back(path);
        }
        return files_.CreateNew(path);
    }

    std::vector<fs::path> others;

  private:
    size_t taken_;
};

struct CrowdedCase {
    const char* name;
    size_t taken;
    bool saved;
};

class SavedAmongTemporaries : public SavedTable, public testing::WithParamInterface<CrowdedCase> {};

TEST_P(SavedAmongTemporaries, LeavesOtherFilesAlone) {
    WriteText(target, "earlier");
    CrowdedFolder files(GetParam().taken);
    const std::string error = WriteFileSafely(
        target, [&](std::ostream& out) { WriteCsv(table, out); }, files);
    EXPECT_LT(files.others.size(), 1000u); // the writer gives up after a bounded number of tries
    for (size_t i = 0; i < files.others.size(); ++i)
        EXPECT_EQ(ReadFile(files.others[i]), "someone else's " + std::to_string(i));
    EXPECT_EQ(Files().size(), files.others.size() + 1); // and leaves no file of its own
    if (GetParam().saved) {
        EXPECT_EQ(error, "");
        EXPECT_EQ(ReadFile(target), CsvText(table));
    } else {
        EXPECT_EQ(error, "Не удалось сохранить «" + Utf8(target) +
                             "»: в папке не нашлось свободного имени для временного файла.");
        EXPECT_EQ(ReadFile(target), "earlier");
    }
}

INSTANTIATE_TEST_SUITE_P(SafeFile, SavedAmongTemporaries,
                         testing::Values(CrowdedCase{"OneNameTaken", 1, true},
                                         CrowdedCase{"ManyNamesTaken", 40, true},
                                         CrowdedCase{"EveryNameTaken", 1000, false}),
                         [](const auto& info) { return info.param.name; });

// The temporary file takes no more of the name's length than the chosen name does.
TEST_F(SavedTable, LongestNameTheFileSystemTakesSaves) {
    const fs::path longest = folder / (std::string(251, 'a') + ".csv");
    EXPECT_EQ(SaveTable(table, longest), "");
    EXPECT_EQ(ReadFile(longest), CsvText(table));
    EXPECT_EQ(Files(), std::vector<fs::path>{longest.filename()});
}

#ifndef _WIN32
// A link is written through: its target gets the table, beside it and renamed over it, and the
// link stays a link (also a link to a link, and one given relative to its folder).
TEST_F(SavedTable, ThroughASymbolicLinkReplacesItsTarget) {
    fs::create_directories(folder / "цель");
    const fs::path real = folder / "цель" / "файл.csv";
    WriteText(real, "earlier");
    fs::create_symlink(fs::path("цель") / "файл.csv", folder / "ссылка.csv");
    fs::create_symlink("ссылка.csv", target);
    EXPECT_EQ(SaveTable(table, target), "");
    EXPECT_TRUE(fs::is_symlink(target));
    EXPECT_TRUE(fs::is_symlink(folder / "ссылка.csv"));
    EXPECT_EQ(ReadFile(real), CsvText(table));
    EXPECT_EQ(fs::read_symlink(target), "ссылка.csv");
    // No temporary file left in either folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "цель"), fs::directory_iterator()), 1);
    EXPECT_EQ(Files().size(), 3u);
}

// One file under several names is told as one; another file, or none, is not.
TEST_F(SavedTable, SameFileKnowsAFileByItsIdentityNotItsName) {
    WriteText(target, "stage");
    WriteText(folder / "другой.csv", "stage");
    fs::create_symlink(target.filename(), folder / "ссылка");
    fs::create_hard_link(target, folder / "жёсткая");
    const struct {
        fs::path other;
        bool same;
    } kCases[] = {
        {target, true},
        {folder / "." / ".." / folder.filename() / target.filename(), true},
        {folder / "ссылка", true},
        {folder / "жёсткая", true},
        {folder / "другой.csv", false},
        {folder / "нет.csv", false},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(SameFile(c.other, target), c.same) << c.other;
}
#endif

#ifndef _WIN32
// A full disk, as the file system reports it to the writer: a file size limit gives the same
// short write, without filling a disk.
TEST_F(SavedTable, ShortWriteLeavesTheEarlierFile) {
    WriteText(target, "earlier");
    state->Frequencies.assign(5000, 1234.5);
    state->Ratio.assign(5000, 2);
    state->Decibels.assign(5000, 6);
    state->Computed = 5000;
    table.SetRowCount(5001);
    table.ShowFrequencies(5000);
    table.ShowGains(5000);

    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    rlimit small = limit;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = SaveTable(table, target);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(error,
              "Не удалось сохранить «" + Utf8(target) + "»: файл слишком велик для этого диска.");
    EXPECT_EQ(ReadFile(target), "earlier");
    EXPECT_EQ(Files(), std::vector<fs::path>{target.filename()});
}
#endif

} // namespace
