#include "PlatformFiles.h"

std::string FileErrorText(const FileError& error) {
    switch (error.Failure) {
    case FileFailure::NameTaken:
        return "в папке не нашлось свободного имени для временного файла";
    case FileFailure::AccessDenied:
        return "нет доступа к папке или к файлу";
    case FileFailure::WriteProtected:
        return "диск защищён от записи";
    case FileFailure::DiskFull:
        return "на диске не хватает места";
    case FileFailure::FileTooLarge:
        return "файл слишком велик для этого диска";
    case FileFailure::NoFolder:
        return "такой папки нет";
    case FileFailure::FolderInTheWay:
        return "под этим именем уже есть папка";
    case FileFailure::NameTooLong:
        return "слишком длинное имя";
    case FileFailure::InvalidName:
        return "недопустимое имя файла";
    case FileFailure::InUse:
        return "файл открыт в другой программе";
    case FileFailure::DeviceError:
        return "ошибка записи";
    case FileFailure::Other:
        break;
    }
    return "ошибка записи (код " + std::to_string(error.Code) + ")";
}

namespace {

PlatformFiles* installed = nullptr;

} // namespace

PlatformFiles& SystemFiles() {
    return installed != nullptr ? *installed : StandardFiles();
}

void UsePlatformFiles(PlatformFiles* files) {
    installed = files;
}
