#include "SafeFile.h"

#include "app/texts/Fill.h"
#include "app/texts/Texts.h"

#include <chrono>
#include <memory>
#include <optional>
#include <random>
#include <streambuf>

namespace {

namespace fs = std::filesystem;

// How many fresh names to try for the temporary file. They are drawn from 36⁶: a hundred taken
// in a row is no longer chance but a folder that takes no new name, and the save gives up.
constexpr int kNameTries = 100;

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string Failure(const fs::path& path, const FileError& error) {
    return SaveFailureText(path, FileErrorText(error));
}

// The file a save replaces: a symbolic link is followed to its target (through links of links),
// so the link stays and the file it names gets the new content. A chain that goes on too long or
// cannot be read is left to fail as the name itself.
fs::path WriteTarget(fs::path path) {
    constexpr int kMostLinks = 40; // as the kernels give up
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::error_code status;
        if (!fs::is_symlink(path, status))
            return path;
        const fs::path target = fs::read_symlink(path, status);
        if (status)
            return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// A short name, ".ou-XXXXXX.tmp" (hidden where a leading dot hides): the temporary file must fit
// wherever the chosen name does, however long that is.
fs::path TemporaryName() {
    static std::mt19937 random(
        std::random_device{}() ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> letter(0, sizeof kLetters - 2);
    std::string name = ".ou-";
    for (int i = 0; i < 6; ++i)
        name += kLetters[letter(random)];
    return name + ".tmp";
}

// An open file, closed when it goes.
class OpenFile {
  public:
    OpenFile(PlatformFiles& files, PlatformFiles::Handle handle) : files(files), handle(handle) {}
    ~OpenFile() {
        if (open)
            files.Close(handle);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // Writes out all of `size`, or tells why not.
    std::optional<FileError> Write(const char* data, std::size_t size) {
        while (size > 0) {
            const std::optional<std::size_t> written = files.WriteSome(handle, data, size);
            if (!written)
                return files.LastFailure();
            // A write that takes nothing and tells no error has met the end of the space.
            if (*written == 0)
                return FileError{FileFailure::DiskFull, 0};
            data += *written;
            size -= *written;
        }
        return std::nullopt;
    }
    std::optional<FileError> FlushAndClose() {
        if (!files.Flush(handle))
            return files.LastFailure();
        open = false;
        if (!files.Close(handle))
            return files.LastFailure();
        return std::nullopt;
    }

    PlatformFiles& files;
    const PlatformFiles::Handle handle;
    bool open = true;
};

// The stream's buffer over an open file: keeps the first failure, after which it takes no more.
class FileBuffer final : public std::streambuf {
  public:
    explicit FileBuffer(OpenFile& file) : file_(file) { setp(buffer_, buffer_ + sizeof buffer_); }

    // Writes out what is left and closes the file; the first failure, if any.
    std::optional<FileError> Finish() {
        if (Empty())
            error_ = file_.FlushAndClose();
        return error_;
    }

  protected:
    int_type overflow(int_type c) override {
        if (!Empty())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override { return Empty() ? 0 : -1; }

  private:
    bool Empty() {
        if (!error_)
            error_ = file_.Write(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(buffer_, buffer_ + sizeof buffer_);
        return !error_;
    }

    OpenFile& file_;
    std::optional<FileError> error_;
    char buffer_[1 << 16];
};

} // namespace

std::string SaveFailureText(const fs::path& path, const std::string& reason) {
    return Fill(kCannotSave, {{"file", Utf8(path)}, {"reason", reason}});
}

bool SameFile(const fs::path& a, const fs::path& b) {
    // The files' identities (device and inode; on Windows volume serial and file index), so any
    // spelling of one file is caught: links, another letter case, a short 8.3 name.
    std::error_code status;
    return fs::equivalent(a, b, status) && !status;
}

std::string WriteFileSafely(const fs::path& chosen, const std::function<void(std::ostream&)>& write,
                            PlatformFiles& files) {
    const fs::path path = WriteTarget(chosen);
    std::error_code status;
    if (fs::is_directory(path, status))
        return Failure(chosen, {FileFailure::FolderInTheWay, 0});

    // Only a file made for this save may be renamed over the chosen name: another program's
    // file that happens to have a temporary-looking name is never touched.
    fs::path temporary;
    std::optional<PlatformFiles::Handle> handle;
    for (int attempt = 0; attempt < kNameTries && !handle; ++attempt) {
        temporary = path.parent_path() / TemporaryName();
        handle = files.CreateNew(temporary);
        if (!handle && files.LastFailure().Failure != FileFailure::NameTaken)
            return Failure(chosen, files.LastFailure());
    }
    if (!handle)
        return Failure(chosen, {FileFailure::NameTaken, 0});

    // The file is closed by the end of the block, also when `write` throws, before it is renamed
    // or removed.
    std::optional<FileError> error;
    try {
        OpenFile file(files, *handle);
        auto buffer = std::make_unique<FileBuffer>(file);
        std::ostream out(buffer.get());
        write(out);
        error = buffer->Finish();
    } catch (...) {
        files.Remove(temporary);
        throw;
    }
    if (!error && files.RenameOver(temporary, path))
        return {};
    if (!error)
        error = files.LastFailure();
    files.Remove(temporary);
    return Failure(chosen, *error);
}
