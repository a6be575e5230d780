#pragma once

#include <string>

class QWidget;

// After a refusal's box, the dialog's control of this object name takes the focus, an edit's text
// selected, as the main window's refused cell does. Nothing when the dialog is not up.
void FocusNamedField(QWidget* dialog, const std::string& objectName);
