// The recent-files list as a store hands it back (the Qt settings file or the registry, either of
// which a user may edit): the paths cut from the input at its NUL bytes, and the input read as
// the UTF-16 text Qt's settings keep, cut at its NUL characters. Besides not crashing:
// - any UTF-16 text becomes a path, which gives the text back, a lone surrogate as U+FFFD, and is
//   the standard library's path wherever that converts the text;
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
#include <optional>
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

// The input as UTF-16 texts (two bytes a character, low byte first), cut at the NUL characters.
std::vector<std::u16string> Utf16Texts(const uint8_t* data, size_t size) {
    std::vector<std::u16string> texts;
    if (size < 2)
        return texts;
    texts.emplace_back();
    for (size_t i = 0; i + 1 < size; i += 2) {
        const auto c = static_cast<char16_t>(data[i] | data[i + 1] << 8);
        if (c == 0)
            texts.emplace_back();
        else
            texts.back() += c;
    }
    return texts;
}

bool IsSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// The path gives the text back, some surrogates as U+FFFD; where the standard library converts
// the text itself (no lone surrogate), the path is that one. A text the path changed has a lone
// surrogate, which the standard library refuses by an exception: not asked, as exceptions by the
// thousand would slow the fuzzer several times.
void CheckStoredText(const std::u16string& text, const std::filesystem::path& path) {
    const std::u16string back = path.u16string();
    Require(back.size() == text.size(), "a stored text keeps its length as a path");
    for (size_t i = 0; i < text.size(); ++i)
        Require(back[i] == text[i] || (IsSurrogate(text[i]) && back[i] == u'\uFFFD'),
                "a stored text is the path's, but for surrogates become U+FFFD");
    if (back != text)
        return;
    std::optional<std::filesystem::path> standard;
    try {
        standard.emplace(text);
    } catch (const std::filesystem::filesystem_error&) {
        return;
    }
    Require(path == *standard, "a well-formed text is the path the standard library makes");
}

void CheckStore(const Paths& stored) {
    const Paths files = RecentFilesAsStored(stored);
    CheckList(files);
    for (const std::filesystem::path& file : files)
        Require(std::find(stored.begin(), stored.end(), file) != stored.end(),
                "only files stored are read");
    // The store's first distinct files, one more than the list takes.
    Paths distinct;
    for (const std::filesystem::path& file : stored)
        if (distinct.size() <= kRecentFileCount && !file.empty() &&
            std::find(distinct.begin(), distinct.end(), file) == distinct.end())
            distinct.push_back(file);
    Require(files.size() == std::min(distinct.size(), kRecentFileCount),
            "as many files as the store has, up to kRecentFileCount");
    CheckLabels(files);

    // Each file of the list opened again, and one that is not in it, if the store has one: more
    // would only slow the fuzzer.
    for (size_t i = 0; i < distinct.size(); ++i) {
        const Paths after = WithRecentFile(files, distinct[i]);
        Require(!after.empty() && after.front() == distinct[i], "the file opened goes first");
        CheckList(after);
        CheckLabels(after);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Paths stored;
    for (const std::string& text : SplitAtNul(InputText(data, size)))
        stored.push_back(PathFromUtf8(text));
    CheckStore(stored);

    Paths storedAsUtf16;
    for (const std::u16string& text : Utf16Texts(data, size)) {
        storedAsUtf16.push_back(PathFromStoredText(text));
        CheckStoredText(text, storedAsUtf16.back());
    }
    CheckStore(storedAsUtf16);
    return 0;
}
