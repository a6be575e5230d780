#pragma once

#include "WindowsApi.h"
#include "app/files/PlatformFiles.h"

// Files through the Win32 API (CreateFileW with CREATE_NEW, WriteFile, FlushFileBuffers,
// MoveFileExW), so that a failure is told by Windows' own error code: a full disk, a file another
// program holds open. Installed at start-up for every save.
PlatformFiles& Win32Files();

// What a GetLastError code means to the user.
FileError FileErrorOfWindowsCode(DWORD code);
