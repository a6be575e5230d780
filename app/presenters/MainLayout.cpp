#include "MainLayout.h"

#include <string_view>

// Each name of the enumeration is its row's.
#define NAMES_ITS_ROW(control)                                                                     \
    static_assert(std::string_view(MainControl(MainControlName::control).Name) == #control)
NAMES_ITS_ROW(Image1);
NAMES_ITS_ROW(Label1);
NAMES_ITS_ROW(Label2);
NAMES_ITS_ROW(Label3);
NAMES_ITS_ROW(Label4);
NAMES_ITS_ROW(Label5);
NAMES_ITS_ROW(BuRas);
NAMES_ITS_ROW(Button1);
NAMES_ITS_ROW(Button2);
NAMES_ITS_ROW(SgResult);
NAMES_ITS_ROW(SgIsh);
NAMES_ITS_ROW(Button3);
NAMES_ITS_ROW(EdOt);
NAMES_ITS_ROW(EdDo);
NAMES_ITS_ROW(EdDf);
NAMES_ITS_ROW(CheckBox1);
static_assert(static_cast<size_t>(MainControlName::CheckBox1) + 1 == kMainControls.size());
#undef NAMES_ITS_ROW
