#pragma once

#include "app/files/PlatformFiles.h"

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

// Writes a file so that the name the user chose holds either the whole new content or what it
// held before: the content goes to a temporary file in the same folder, which is renamed over the
// chosen name only when every byte has been written and handed to the disk. The temporary file
// is one this call has created, under a short fresh name, never a file that was there before;
// on a failure it is removed. A symbolic link is written through: its target gets the content
// (the temporary file beside the target), and the link stays a link.
// `write` puts the content into the stream (opened binary, so line ends are written as given).
// Returns an empty string on success, otherwise the reason, in Russian, ready to be shown.
// The path is a std::filesystem::path so that on Windows a name in any script arrives whole.
// Through `files`, by default the platform's (SystemFiles()).
std::string WriteFileSafely(const std::filesystem::path& path,
                            const std::function<void(std::ostream&)>& write,
                            PlatformFiles& files = SystemFiles());

// "Не удалось сохранить «path»: reason." — how every save that fails is told.
std::string SaveFailureText(const std::filesystem::path& path, const std::string& reason);

// Whether the two names are one file that exists (followed through links).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether a file chosen to save a table, a picture or a band into is the stage file open in the
// window (empty for none) under any name: saving would replace the stage.
inline bool IsOpenStageFile(const std::filesystem::path& chosen,
                            const std::filesystem::path& stageFile) {
    return !stageFile.empty() && SameFile(chosen, stageFile);
}
