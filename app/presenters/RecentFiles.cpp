#include "RecentFiles.h"

#include <algorithm>

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

std::string RecentFileLabel(size_t index, const std::filesystem::path& file) {
    std::string label = "&" + std::to_string(index + 1) + " ";
    for (const char c : FileNameText(file)) {
        if (c == '&')
            label += '&';
        label += c;
    }
    return label;
}
