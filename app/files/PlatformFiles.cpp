#include "PlatformFiles.h"

#include "app/texts/Fill.h"
#include "app/texts/Texts.h"

std::string FileErrorText(const FileError& error) {
    switch (error.Failure) {
    case FileFailure::NameTaken:
        return kNoFreeTemporaryName;
    case FileFailure::AccessDenied:
        return kNoWriteAccess;
    case FileFailure::WriteProtected:
        return kWriteProtected;
    case FileFailure::DiskFull:
        return kDiskFull;
    case FileFailure::FileTooLarge:
        return kFileTooLarge;
    case FileFailure::NoFolder:
        return kNoSuchFolder;
    case FileFailure::FolderInTheWay:
        return kFolderInTheWay;
    case FileFailure::NameTooLong:
        return kNameTooLong;
    case FileFailure::InvalidName:
        return kInvalidName;
    case FileFailure::InUse:
        return kFileInUse;
    case FileFailure::DeviceError:
        return kWriteError;
    case FileFailure::Other:
        break;
    }
    return Fill(kWithErrorCode, {{"reason", kWriteError}, {"code", std::to_string(error.Code)}});
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
