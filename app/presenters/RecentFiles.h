#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// The stage files opened or saved last, most recent first, kept across runs in the platform's own
// settings store (behind this interface: each front has its store, tests keep the list in memory).
class RecentFilesStore {
  public:
    virtual ~RecentFilesStore() = default;
    virtual std::vector<std::filesystem::path> Load() = 0;
    virtual void Store(const std::vector<std::filesystem::path>& files) = 0;
};

inline constexpr size_t kRecentFileCount = 4;

// An entry of a store that keeps UTF-16 text (Qt's settings), as a path. A settings file edited
// by hand may hold a lone surrogate, which no path on Linux can take: it becomes U+FFFD, a file
// that opening reports as gone, where converting it as it stands would throw at start-up.
std::filesystem::path PathFromStoredText(std::u16string text);

// The list a store handed back, as the menu holds it: no empty path, each file once (its first
// place kept), no more than kRecentFileCount files. The store's file may have been edited by hand.
std::vector<std::filesystem::path>
RecentFilesAsStored(const std::vector<std::filesystem::path>& stored);

// The list with `file` first, once, and no more than kRecentFileCount files.
std::vector<std::filesystem::path> WithRecentFile(std::vector<std::filesystem::path> files,
                                                  const std::filesystem::path& file);

// The menu items of the recent files: each its number as the item's key and its name, "&1
// каскад.ou" ('&' in the name doubled, as menus of both toolkits read it). Where two files share a
// name, each shows as many of its folders as tell it from the others: "&1 a/каскад.ou".
std::vector<std::string> RecentFileLabels(const std::vector<std::filesystem::path>& files);

// A path's name in UTF-8, as the program shows it.
std::string FileNameText(const std::filesystem::path& path);
