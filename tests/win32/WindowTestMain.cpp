#include "numerics/FloatError.h"
#include "ui/win32/StartUp.h"

#include <gtest/gtest.h>

// The window tests start as the program does: the floating-point mode, then the common controls.
int main(int argc, char** argv) {
    SetFloatingPointMode();
    InitialiseControls();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
