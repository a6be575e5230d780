#pragma once

// The texts of the graph and help windows, the same for every set of windows (the Qt layouts
// hold them too and are checked against these).
inline constexpr const char* kGraphCaption = "график";
inline constexpr const char* kHelpCaption = "Справка";
inline constexpr const char* kHelpCloseButton = "закрыть";
