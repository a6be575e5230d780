#pragma once

#include "app/CommandLine.h"

#include <array>

// The options every Qt program accepts (QGuiApplication's, QApplication's and the X11 platform's):
// Qt reads them from the arguments, and the program passes over them.
inline constexpr std::array<ToolkitOption, 16> kQtOptions = {{
    {"-platform"},
    {"-platformpluginpath"},
    {"-platformtheme"},
    {"-plugin"},
    {"-qmljsdebugger"},
    {"-qwindowgeometry"},
    {"-qwindowicon"},
    {"-qwindowtitle"},
    {"-reverse", false},
    {"-session"},
    {"-style"},
    {"-stylesheet"},
    {"-widgetcount", false},
    {"-display"},
    {"-geometry"},
    {"-nograb", false},
}};
