#pragma once

#include "WindowsApi.h"

#include <string_view>

// The clipboard, as the program fills it: text and pictures. Each call replaces what the
// clipboard held; false when another program holds it open or memory ran out.

// UTF-8 text with "\n" line breaks, put on the clipboard as Unicode text with "\r\n", as
// Windows programs expect.
bool PutTextOnClipboard(HWND owner, std::string_view utf8);

// A picture, as a device-independent bitmap that every Windows program can paste.
bool PutPictureOnClipboard(HWND owner, HBITMAP picture);
