#include "RecentFiles.h"

#include <algorithm>
#include <iterator>

std::filesystem::path PathFromStoredText(std::u16string text) {
    const auto isHigh = [](char16_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    const auto isLow = [](char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
    for (size_t i = 0; i < text.size(); ++i) {
        if (isHigh(text[i]) && i + 1 < text.size() && isLow(text[i + 1]))
            ++i; // a pair: one character beyond U+FFFF
        else if (isHigh(text[i]) || isLow(text[i]))
            text[i] = u'\uFFFD';
    }
    return std::filesystem::path(text);
}

std::vector<std::filesystem::path>
RecentFilesAsStored(const std::vector<std::filesystem::path>& stored) {
    std::vector<std::filesystem::path> files;
    for (const std::filesystem::path& file : stored)
        if (files.size() < kRecentFileCount && !file.empty() &&
            std::find(files.begin(), files.end(), file) == files.end())
            files.push_back(file);
    return files;
}

std::vector<std::filesystem::path> WithRecentFile(std::vector<std::filesystem::path> files,
                                                  const std::filesystem::path& file) {
    std::erase(files, file);
    files.insert(files.begin(), file);
    if (files.size() > kRecentFileCount)
        files.resize(kRecentFileCount);
    return files;
}

std::string FileNameText(const std::filesystem::path& path) {
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

namespace {

// The file's last `folders` folders and its name, as the system writes a path.
std::filesystem::path Tail(const std::filesystem::path& file, size_t folders) {
    std::vector<std::filesystem::path> parts(file.begin(), file.end());
    std::filesystem::path tail;
    const size_t count = std::min(parts.size(), folders + 1);
    for (auto part = parts.end() - static_cast<std::ptrdiff_t>(count); part != parts.end(); ++part)
        tail /= *part;
    return tail;
}

// How many of their last parts (the name, then folder by folder) two paths share.
size_t SharedTailParts(const std::filesystem::path& a, const std::filesystem::path& b) {
    size_t shared = 0;
    for (auto partA = a.end(), partB = b.end(); partA != a.begin() && partB != b.begin();) {
        if (*--partA != *--partB)
            break;
        ++shared;
    }
    return shared;
}

// The fewest folders that tell `file` from every other of `files` with the same name: as many as
// it shares with the most alike of them. A path of many folders is compared once, not once per
// folder count, so that a long one in the settings does not stall the menu.
size_t FoldersToTell(const std::vector<std::filesystem::path>& files,
                     const std::filesystem::path& file) {
    size_t folders = 0;
    for (const std::filesystem::path& other : files)
        if (other != file)
            folders = std::max(folders, SharedTailParts(other, file));
    return folders;
}

} // namespace

std::vector<std::string> RecentFileLabels(const std::vector<std::filesystem::path>& files) {
    std::vector<std::string> labels;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::u8string shown = Tail(files[i], FoldersToTell(files, files[i])).u8string();
        std::string label = "&" + std::to_string(i + 1) + " ";
        for (const char8_t c : shown) {
            if (c == u8'&')
                label += '&';
            label += static_cast<char>(c);
        }
        labels.push_back(std::move(label));
    }
    return labels;
}
