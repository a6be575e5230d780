#pragma once

#include "app/presenters/MessageBoxes.h"

#include <exception>
#include <functional>
#include <string>

// The one top-level error handler. Every event handler runs through it: an exception (a
// floating-point error above all) abandons the handler, its text is shown in an error box, and
// the event loop goes on. Exceptions never travel through a toolkit's event loop.
void RunGuarded(MessageBoxes& boxes, const std::function<void()>& handler);

// The error's text as the box shows it: with a full stop added when the text's last character
// sorts after it.
std::string ErrorBoxText(const std::exception& error);
