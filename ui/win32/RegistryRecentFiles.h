#pragma once

#include "app/presenters/RecentFiles.h"

// The recent stage files in the user's part of the registry: values "1" to "4" of the key
// "Software\OU\Recent Files" under HKEY_CURRENT_USER.
class RegistryRecentFiles final : public RecentFilesStore {
  public:
    std::vector<std::filesystem::path> Load() override;
    void Store(const std::vector<std::filesystem::path>& files) override;
};
