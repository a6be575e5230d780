#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// Why a file operation failed, as the user can act on it. Each platform maps its own error codes
// (errno, GetLastError) onto these; the texts are the same everywhere.
enum class FileFailure {
    NameTaken, // a new file was asked for under a name that exists
    AccessDenied,
    WriteProtected,
    DiskFull,
    FileTooLarge,
    NoFolder,
    FolderInTheWay,
    NameTooLong,
    InvalidName,
    InUse,
    DeviceError,
    Other, // shown with the system's code
};

struct FileError {
    FileFailure Failure;
    long Code; // the system's own code, errno or GetLastError, for FileFailure::Other
};

// The reason, in Russian, to follow "Не удалось сохранить «…»: ".
std::string FileErrorText(const FileError& error);

// The few file operations that writing a file whole needs, in each platform's own terms, so that
// a failure is told as that platform knows it. An operation that fails returns nothing or false;
// LastFailure, asked right after it, tells why (errno, GetLastError).
class PlatformFiles {
  public:
    using Handle = std::intptr_t; // a file descriptor, or a HANDLE

    virtual ~PlatformFiles() = default;
    // Creates a file that did not exist before, for writing; never opens an existing one.
    virtual std::optional<Handle> CreateNew(const std::filesystem::path& path) = 0;
    // Writes some of `size` bytes, at least one unless it fails; how many.
    virtual std::optional<std::size_t> WriteSome(Handle file, const char* data,
                                                 std::size_t size) = 0;
    // Hands everything written to the disk.
    virtual bool Flush(Handle file) = 0;
    virtual bool Close(Handle file) = 0;
    // Renames `from` to `to`, replacing a file that has that name.
    virtual bool RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual void Remove(const std::filesystem::path& path) = 0;
    virtual FileError LastFailure() const = 0;
};

// The C library's files (open with O_EXCL, write, fsync, rename), reporting errno.
PlatformFiles& StandardFiles();

// The files every save goes through: StandardFiles() until a front installs its platform's own;
// nullptr goes back to StandardFiles().
PlatformFiles& SystemFiles();
void UsePlatformFiles(PlatformFiles* files);
