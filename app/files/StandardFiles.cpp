#include "app/files/PlatformFiles.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <system_error>

#ifdef _WIN32
// The C runtime's own file calls, named as in POSIX.
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

FileError FromErrno(int error) {
    switch (error) {
    case EEXIST:
        return {FileFailure::NameTaken, error};
    case EACCES:
    case EPERM:
        return {FileFailure::AccessDenied, error};
    case EROFS:
        return {FileFailure::WriteProtected, error};
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return {FileFailure::DiskFull, error};
    case EFBIG:
        return {FileFailure::FileTooLarge, error};
    case ENOENT:
    case ENOTDIR:
        return {FileFailure::NoFolder, error};
    case EISDIR:
        return {FileFailure::FolderInTheWay, error};
    case ENAMETOOLONG:
        return {FileFailure::NameTooLong, error};
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return {FileFailure::InUse, error};
    case 0: // a call that failed without saying why
    case EIO:
        return {FileFailure::DeviceError, error};
    default:
        return {FileFailure::Other, error};
    }
}

#ifdef _WIN32
int OpenNew(const fs::path& path) {
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteTo(int file, const char* data, std::size_t size) {
    return _write(file, data, static_cast<unsigned>(std::min<std::size_t>(size, 1 << 30)));
}
int Sync(int file) {
    return _commit(file);
}
int CloseFile(int file) {
    return _close(file);
}
#else
int OpenNew(const fs::path& path) {
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
ssize_t WriteTo(int file, const char* data, std::size_t size) {
    return write(file, data, size);
}
int Sync(int file) {
    return fsync(file);
}
int CloseFile(int file) {
    return close(file);
}
#endif

class Files final : public PlatformFiles {
  public:
    std::optional<Handle> CreateNew(const fs::path& path) override {
        const int file = OpenNew(path);
        return file >= 0 ? std::optional<Handle>(file) : std::nullopt;
    }
    std::optional<std::size_t> WriteSome(Handle file, const char* data, std::size_t size) override {
        for (;;) {
            const auto written = WriteTo(static_cast<int>(file), data, size);
            if (written >= 0)
                return static_cast<std::size_t>(written);
            if (errno != EINTR)
                return std::nullopt;
        }
    }
    bool Flush(Handle file) override { return Sync(static_cast<int>(file)) == 0; }
    bool Close(Handle file) override { return CloseFile(static_cast<int>(file)) == 0; }
    bool RenameOver(const fs::path& from, const fs::path& to) override {
        // The library's rename replaces an existing file on every system; its reason, as errno.
        std::error_code status;
        fs::rename(from, to, status);
        if (status) {
            const std::error_condition condition = status.default_error_condition();
            errno = condition.category() == std::generic_category() ? condition.value() : EIO;
        }
        return !status;
    }
    void Remove(const fs::path& path) override {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    FileError LastFailure() const override { return FromErrno(errno); }
};

} // namespace

PlatformFiles& StandardFiles() {
    static Files files;
    return files;
}
