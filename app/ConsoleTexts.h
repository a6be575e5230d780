#pragma once

// What the Windows console companion ou.com says of its own: it computes as ou does and starts
// the window program ou.exe beside it for everything with a window.
inline constexpr const char* kWindowProgramNotStartedPrefix = "ou: не удалось запустить «";
inline constexpr const char* kWindowProgramNotStartedSuffix = "» (код ";
