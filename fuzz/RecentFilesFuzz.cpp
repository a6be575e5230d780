// The recent-files list as a store hands it back (the Qt settings file or the registry, either of
// which a user may edit), its paths cut from the input at its NUL bytes. Besides not crashing:
// - the list read holds no empty path, no file twice, only files stored, at most
//   kRecentFileCount, as many as the store has distinct files up to that; stored again, it reads
//   the same;
// - each menu item is the file's number and a name ending with the file's own name ('&' doubled),
//   and no two items show the same name;
// - a file opened goes first, once, and the list stays within its size.

#include "FuzzCheck.h"
#include "app/files/CommandLine.h"
#include "app/presenters/RecentFiles.h"

#include <algorithm>
#include <set>

namespace {

using Paths = std::vector<std::filesystem::path>;

bool EachOnce(const Paths& files) {
    for (size_t i = 0; i < files.size(); ++i)
        if (std::count(files.begin(), files.end(), files[i]) != 1)
            return false;
    return true;
}

void CheckList(const Paths& files) {
    Require(files.size() <= kRecentFileCount, "at most kRecentFileCount files");
    Require(std::none_of(files.begin(), files.end(),
                         [](const std::filesystem::path& file) { return file.empty(); }),
            "no empty path");
    Require(EachOnce(files), "no file twice");
    Require(RecentFilesAsStored(files) == files, "the list stored reads back the same");
}

// The name a menu item shows, its '&' no longer doubled.
std::string ShownName(const std::string& label, size_t index) {
    const std::string key = "&" + std::to_string(index + 1) + " ";
    Require(label.starts_with(key), "an item's key is its number");
    std::string shown;
    for (size_t i = key.size(); i < label.size(); ++i) {
        if (label[i] == '&') {
            Require(i + 1 < label.size() && label[i + 1] == '&', "an '&' of a name is doubled");
            ++i;
        }
        shown += label[i];
    }
    return shown;
}

void CheckLabels(const Paths& files) {
    const std::vector<std::string> labels = RecentFileLabels(files);
    Require(labels.size() == files.size(), "an item for each file");
    std::set<std::string> shown;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string name = ShownName(labels[i], i);
        Require(name.ends_with(FileNameText(files[i])), "an item shows the file's name");
        shown.insert(name);
    }
    Require(shown.size() == files.size(), "no two items show the same name");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Paths stored;
    for (const std::string& text : SplitAtNul(InputText(data, size)))
        stored.push_back(PathFromUtf8(text));
    const Paths files = RecentFilesAsStored(stored);
    CheckList(files);
    for (const std::filesystem::path& file : files)
        Require(std::find(stored.begin(), stored.end(), file) != stored.end(),
                "only files stored are read");
    Paths distinct;
    for (const std::filesystem::path& file : stored)
        if (!file.empty() && std::find(distinct.begin(), distinct.end(), file) == distinct.end())
            distinct.push_back(file);
    Require(files.size() == std::min(distinct.size(), kRecentFileCount),
            "as many files as the store has, up to kRecentFileCount");
    CheckLabels(files);

    for (const std::filesystem::path& opened : distinct) {
        const Paths after = WithRecentFile(files, opened);
        Require(!after.empty() && after.front() == opened, "the file opened goes first");
        CheckList(after);
        CheckLabels(after);
    }
    return 0;
}
