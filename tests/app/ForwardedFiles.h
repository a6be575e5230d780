#pragma once

#include "app/files/PlatformFiles.h"

// The platform's files passed through, so that a test changes only the answers it overrides.
class ForwardedFiles : public PlatformFiles {
  public:
    explicit ForwardedFiles(PlatformFiles& files = SystemFiles()) : files_(files) {}
    std::optional<Handle> CreateNew(const std::filesystem::path& path) override {
        return files_.CreateNew(path);
    }
    std::optional<std::size_t> WriteSome(Handle file, const char* data, std::size_t size) override {
        return files_.WriteSome(file, data, size);
    }
    bool Flush(Handle file) override { return files_.Flush(file); }
    bool Close(Handle file) override { return files_.Close(file); }
    bool RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return files_.RenameOver(from, to);
    }
    void Remove(const std::filesystem::path& path) override { files_.Remove(path); }
    FileError LastFailure() const override { return files_.LastFailure(); }

  protected:
    PlatformFiles& files_;
};
