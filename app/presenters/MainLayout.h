#pragma once

#include "app/texts/Texts.h"
#include "calc/Stage.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The main window as laid out, for every set of windows: one row per control, in creation order,
// which is also the tab order of the focusable ones. Sizes in pixels at 96 pixels per inch,
// positions in the client area. The Win32 windows are built from it; the Qt layout (MainWindow.ui)
// is checked against it.

enum class ControlKind { Picture, Label, Button, Grid, Edit, CheckBox };

// The colour of a control's text.
enum class TextColour {
    WindowText, // the system's window-text colour
    Blue,       // (0, 0, 255)
    Lime,       // (0, 255, 0)
};

struct ControlBounds {
    int X;
    int Y;
    int Width;
    int Height;
};

struct ControlLayout {
    const char* Name; // the control's name, also its objectName in the Qt windows
    ControlKind Kind;
    ControlBounds Bounds;
    const char* Text; // as laid out; "" for none or text written at start
    int FontPixels;   // the font's height; 11 is the window's own font
    bool Bold;
    TextColour Colour;
    bool Enabled = true;
};

inline constexpr ControlBounds kMainFrame = {137, 114, 871, 557}; // position and client size

inline constexpr std::array<ControlLayout, 16> kMainControls = {{
    {"Image1", ControlKind::Picture, {8, 8, 393, 545}, "", 11, false, TextColour::WindowText},
    {"Label1",
     ControlKind::Label,
     {656, 8, 181, 20},
     kResultsTitle,
     16,
     true,
     TextColour::WindowText},
    {"Label2", ControlKind::Label, {440, 8, 153, 20}, kInputTitle, 16, true, TextColour::Blue},
    {"Label3", ControlKind::Label, {408, 392, 48, 16}, "", 13, true, TextColour::Lime},
    {"Label4", ControlKind::Label, {432, 412, 178, 16}, kSweepTitle, 13, true, TextColour::Blue},
    {"Label5",
     ControlKind::Label,
     {424, 430, 213, 16},
     kLinearSweepLabel,
     13,
     false,
     TextColour::Blue},
    {"BuRas",
     ControlKind::Button,
     {408, 520, 81, 33},
     kCalculateButton,
     16,
     true,
     TextColour::WindowText},
    {"Button1",
     ControlKind::Button,
     {496, 520, 81, 33},
     kGraphButton,
     16,
     true,
     TextColour::WindowText,
     false},
    {"Button2",
     ControlKind::Button,
     {584, 520, 49, 33},
     kHelpButton,
     19,
     true,
     TextColour::WindowText},
    {"SgResult", ControlKind::Grid, {640, 32, 225, 521}, "", 13, false, TextColour::WindowText},
    {"SgIsh", ControlKind::Grid, {424, 32, 201, 353}, "", 13, true, TextColour::Blue},
    {"Button3",
     ControlKind::Button,
     {408, 480, 81, 33},
     kResetButton,
     16,
     true,
     TextColour::WindowText},
    {"EdOt", ControlKind::Edit, {408, 448, 73, 21}, "", 11, false, TextColour::WindowText},
    {"EdDo", ControlKind::Edit, {488, 448, 81, 21}, "", 11, false, TextColour::WindowText},
    {"EdDf", ControlKind::Edit, {576, 448, 65, 21}, "", 11, false, TextColour::WindowText},
    {"CheckBox1",
     ControlKind::CheckBox,
     {496, 488, 129, 25},
     kLogScaleCheckBox,
     13,
     false,
     TextColour::WindowText},
}};

// The controls in the table's order, each by its name, so that a control the code names is one
// the table has.
enum class MainControlName {
    Image1,
    Label1,
    Label2,
    Label3,
    Label4,
    Label5,
    BuRas,
    Button1,
    Button2,
    SgResult,
    SgIsh,
    Button3,
    EdOt,
    EdDo,
    EdDf,
    CheckBox1,
};

constexpr const ControlLayout& MainControl(MainControlName control) {
    return kMainControls[static_cast<size_t>(control)];
}

// The sweep field that holds `field`: EdOt the first frequency, EdDo the last, EdDf the step.
constexpr MainControlName SweepFieldControl(StageField field) {
    if (field == StageField::From)
        return MainControlName::EdOt;
    return field == StageField::To ? MainControlName::EdDo : MainControlName::EdDf;
}

// The grids: every row 24 px high; SgResult starts with its heading row and four empty ones;
// SgIsh holds a heading row and the thirteen parameters. At start the presenter moves 28 px of the
// value column to the names.
inline constexpr int kGridRowHeight = 24;
inline constexpr int kInitialResultRows = 5;
inline constexpr int kParameterRows = 14;
inline constexpr std::array<int, 3> kResultColumnWidths = {77, 67, 71};
inline constexpr std::array<int, 2> kParameterColumnWidths = {64, 132};
inline constexpr int kNameColumnWidening = 28;
