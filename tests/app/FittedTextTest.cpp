#include "app/presenters/FittedText.h"

#include "FixedWidthText.h"
#include "app/presenters/RecentFiles.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

int32_t SevenPixels(std::string_view text) {
    return FixedWidth(text);
}

struct CellCase {
    const char* name;
    const char* text;
    int32_t width;
    const char* shown;
    const char* tooltip;
};

class FittedCell : public testing::TestWithParam<CellCase> {};

TEST_P(FittedCell, IsCutWithAMarkAndItsWholeTextInTheTooltip) {
    const ShownCell cell = FitCell(GetParam().text, GetParam().width, SevenPixels);
    EXPECT_EQ(cell.Text, GetParam().shown);
    EXPECT_EQ(cell.Tooltip, GetParam().tooltip);
}

INSTANTIATE_TEST_SUITE_P(
    FittedText, FittedCell,
    testing::Values(CellCase{"Fits", "21.5443469", 70, "21.5443469", ""},
                    // A decade sweep's frequency in a 77-pixel column less its indent.
                    CellCase{"DecadeFrequency", "21.5443469003188", 73, "21.544346…",
                             "21.5443469003188"},
                    // Whole characters of the UTF-8, and no blank before the mark.
                    CellCase{"Cyrillic", "частота, Гц", 49, "частот…", "частота, Гц"},
                    CellCase{"NoBlankBeforeTheMark", "ab  cd", 35, "ab…", "ab  cd"},
                    CellCase{"NothingFits", "123", 5, "…", "123"}),
    [](const auto& info) { return std::string(info.param.name); });

struct StoredListCase {
    const char* name;
    std::vector<const char*> stored, read;
};

class StoredList : public testing::TestWithParam<StoredListCase> {};

TEST_P(StoredList, ReadsEachFileOnceAndNoMoreThanTheMenuHolds) {
    const auto paths = [](const std::vector<const char*>& texts) {
        return std::vector<fs::path>(texts.begin(), texts.end());
    };
    EXPECT_EQ(RecentFilesAsStored(paths(GetParam().stored)), paths(GetParam().read));
}

INSTANTIATE_TEST_SUITE_P(
    RecentFiles, StoredList,
    testing::Values(StoredListCase{"EmptyPassedOver", {"", "/a.ou", ""}, {"/a.ou"}},
                    StoredListCase{"RepeatedKeepsItsFirstPlace",
                                   {"/a.ou", "/b.ou", "/a.ou"},
                                   {"/a.ou", "/b.ou"}},
                    StoredListCase{"SameFileWrittenTwoWays", {"/d/a.ou", "/d//a.ou"}, {"/d/a.ou"}},
                    StoredListCase{"FourAtMost",
                                   {"/1.ou", "/1.ou", "/2.ou", "/3.ou", "/4.ou", "/5.ou"},
                                   {"/1.ou", "/2.ou", "/3.ou", "/4.ou"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct StoredTextCase {
    const char* name;
    std::u16string stored, path;
};

class StoredText : public testing::TestWithParam<StoredTextCase> {};

TEST_P(StoredText, BecomesAPathEvenWithALoneSurrogate) {
    EXPECT_EQ(PathFromStoredText(GetParam().stored).u16string(), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    RecentFiles, StoredText,
    testing::Values(StoredTextCase{"Cyrillic", u"/д/каскад.ou", u"/д/каскад.ou"},
                    StoredTextCase{"PairBeyondFFFF", u"/\U0001F4C8.ou", u"/\U0001F4C8.ou"},
                    StoredTextCase{"LoneHigh", u"/a\xD800.ou", u"/a\uFFFD.ou"},
                    StoredTextCase{"LoneLowAtTheEnd", u"/a\xDC00", u"/a\uFFFD"},
                    StoredTextCase{"ReversedPair",
                                   u"/\xDC00\xD800"
                                   u"b",
                                   u"/\uFFFD\uFFFDb"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RecentCase {
    const char* name;
    std::vector<const char*> files;
    std::vector<const char*> labels;
};

class RecentLabels : public testing::TestWithParam<RecentCase> {};

TEST_P(RecentLabels, ShowEnoughOfTheFolderToTellRepeatedNamesApart) {
    std::vector<fs::path> files;
    for (const char* file : GetParam().files)
        files.emplace_back(reinterpret_cast<const char8_t*>(file));
    // With the system's own separator.
    std::vector<std::string> expected;
    for (const char* label : GetParam().labels) {
        const std::u8string text =
            fs::path(reinterpret_cast<const char8_t*>(label)).make_preferred().u8string();
        expected.emplace_back(text.begin(), text.end());
    }
    EXPECT_EQ(RecentFileLabels(files), expected);
}

INSTANTIATE_TEST_SUITE_P(
    RecentFiles, RecentLabels,
    testing::Values(RecentCase{"NamesApart", {"/д/a.ou", "/д/b&c.ou"}, {"&1 a.ou", "&2 b&&c.ou"}},
                    RecentCase{"SameNameOtherFolder",
                               {"/home/u/первый/сохранён.ou", "/home/u/a.ou",
                                "/home/u/второй/сохранён.ou"},
                               {"&1 первый/сохранён.ou", "&2 a.ou", "&3 второй/сохранён.ou"}},
                    RecentCase{"SameFolderNameFurtherUp",
                               {"/x/a/s.ou", "/y/a/s.ou", "/y/b/s.ou"},
                               {"&1 x/a/s.ou", "&2 y/a/s.ou", "&3 b/s.ou"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
