#include "LocaleSeparator.h"
#include "StartUp.h"
#include "Win32MessageBoxes.h"
#include "WindowsApi.h"
#include "numerics/FloatError.h"
#include "numerics/NumberText.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    SetFloatingPointMode();
    InitialiseControls();
    // Number texts follow the user's locale, asked afresh at every conversion.
    SetDecimalSeparatorSource(&LocaleDecimalSeparator);
    Win32MessageBoxes boxes;
    ProgramWindows windows(boxes);
    return RunMessageLoop();
}
