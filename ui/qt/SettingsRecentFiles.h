#pragma once

#include "app/presenters/RecentFiles.h"

// The recent stage files in the toolkit's settings store (on Linux a file under ~/.config).
class SettingsRecentFiles final : public RecentFilesStore {
  public:
    std::vector<std::filesystem::path> Load() override;
    void Store(const std::vector<std::filesystem::path>& files) override;
};
