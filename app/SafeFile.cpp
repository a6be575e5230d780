#include "SafeFile.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// What went wrong, as the user can act on it.
std::string Reason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "нет доступа к папке или к файлу";
    case EROFS:
        return "диск защищён от записи";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return "на диске не хватает места";
    case EFBIG:
        return "файл слишком велик для этого диска";
    case ENOENT:
    case ENOTDIR:
        return "такой папки нет";
    case EISDIR:
        return "под этим именем уже есть папка";
    case ENAMETOOLONG:
        return "слишком длинное имя";
    case EIO:
        return "ошибка записи";
    default:
        return "ошибка записи (код " + std::to_string(error) + ")";
    }
}

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string Failure(const fs::path& path, int error) {
    return "Не удалось сохранить «" + Utf8(path) + "»: " + Reason(error) + ".";
}

// A name beside `path` that no file has yet.
fs::path TemporaryBeside(const fs::path& path) {
    const fs::path folder = path.parent_path();
    const fs::path name = path.filename();
    for (int attempt = 0;; ++attempt) {
        fs::path candidate = name;
        candidate += "." + std::to_string(attempt) + ".tmp";
        candidate = folder / candidate;
        std::error_code ignored;
        if (!fs::exists(candidate, ignored) || attempt == 999)
            return candidate;
    }
}

// errno as the failed operation left it, or EIO where it left none.
int LastError() {
    return errno != 0 ? errno : EIO;
}

} // namespace

std::string WriteFileSafely(const fs::path& path, const std::function<void(std::ostream&)>& write) {
    std::error_code status;
    if (fs::is_directory(path, status))
        return Failure(path, EISDIR);

    const fs::path temporary = TemporaryBeside(path);
    int error = 0;
    try {
        errno = 0;
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file.is_open())
            return Failure(path, LastError());
        write(file);
        file.flush();
        if (!file)
            error = LastError();
        file.close();
        if (error == 0 && !file)
            error = LastError();
    } catch (...) {
        fs::remove(temporary, status);
        throw;
    }
    if (error == 0) {
        fs::rename(temporary, path, status);
        if (!status)
            return {};
        const std::error_condition condition = status.default_error_condition();
        error = condition.category() == std::generic_category() ? condition.value() : EIO;
    }
    fs::remove(temporary, status);
    return Failure(path, error);
}
