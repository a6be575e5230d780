#include "Win32Files.h"

#include <algorithm>
#include <string>

namespace fs = std::filesystem;

FileError FileErrorOfWindowsCode(DWORD code) {
    const long own = static_cast<long>(code);
    switch (code) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return {FileFailure::NameTaken, own};
    case ERROR_ACCESS_DENIED:
    case ERROR_NETWORK_ACCESS_DENIED:
        return {FileFailure::AccessDenied, own};
    case ERROR_WRITE_PROTECT:
        return {FileFailure::WriteProtected, own};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return {FileFailure::DiskFull, own};
    case ERROR_FILE_TOO_LARGE:
        return {FileFailure::FileTooLarge, own};
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return {FileFailure::NoFolder, own};
    case ERROR_FILENAME_EXCED_RANGE:
        return {FileFailure::NameTooLong, own};
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return {FileFailure::InvalidName, own};
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return {FileFailure::InUse, own};
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
    case ERROR_CRC:
    case ERROR_NOT_READY:
        return {FileFailure::DeviceError, own};
    default:
        return {FileFailure::Other, own};
    }
}

namespace {

// A name the API takes at any length: past MAX_PATH only in the "\\?\" form, which wants a full
// path with backslashes.
std::wstring ApiName(const fs::path& path) {
    if (path.native().size() < MAX_PATH)
        return path.native();
    std::error_code status;
    const std::wstring full = fs::absolute(path, status).lexically_normal().make_preferred();
    if (full.rfind(L"\\\\", 0) == 0)
        return full.rfind(L"\\\\?\\", 0) == 0 ? full : L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

HANDLE Of(PlatformFiles::Handle file) {
    return reinterpret_cast<HANDLE>(file);
}

class Files final : public PlatformFiles {
  public:
    std::optional<Handle> CreateNew(const fs::path& path) override {
        const HANDLE file = CreateFileW(ApiName(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return std::nullopt;
        return reinterpret_cast<Handle>(file);
    }
    std::optional<std::size_t> WriteSome(Handle file, const char* data, std::size_t size) override {
        DWORD written = 0;
        if (!WriteFile(Of(file), data, static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30)),
                       &written, nullptr))
            return std::nullopt;
        return written;
    }
    bool Flush(Handle file) override { return FlushFileBuffers(Of(file)); }
    bool Close(Handle file) override { return CloseHandle(Of(file)); }
    bool RenameOver(const fs::path& from, const fs::path& to) override {
        return MoveFileExW(ApiName(from).c_str(), ApiName(to).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    void Remove(const fs::path& path) override { DeleteFileW(ApiName(path).c_str()); }
    FileError LastFailure() const override { return FileErrorOfWindowsCode(GetLastError()); }
};

} // namespace

PlatformFiles& Win32Files() {
    static Files files;
    return files;
}
