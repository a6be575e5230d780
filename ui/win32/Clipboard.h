#pragma once

#include "WindowsApi.h"

#include <functional>
#include <string_view>

// The clipboard, as the program fills it: text and pictures. Each call replaces what the
// clipboard held, or leaves it as it was when it fails.

enum class ClipboardResult {
    Copied,
    OutOfMemory,   // the text or picture does not fit in memory
    ClipboardBusy, // another program holds the clipboard open
};

// A text written in UTF-8 pieces with "\n" line breaks, none ending inside a UTF-8 sequence, put
// on the clipboard as Unicode text with "\r\n", as Windows programs expect. The text is never
// held whole but in the clipboard's own memory: `write` is called twice with a sink, once to
// measure the text and once to fill that memory, and must write the same both times. An empty
// text leaves the clipboard as it was.
using PieceSink = std::function<void(std::string_view piece)>;
using TextWriter = std::function<void(const PieceSink& sink)>;
ClipboardResult PutTextOnClipboard(HWND owner, const TextWriter& write);
// The same for a text held whole: false where the above does not copy.
bool PutTextOnClipboard(HWND owner, std::string_view utf8);

// A picture, as a device-independent bitmap that every Windows program can paste; false when
// another program holds the clipboard or memory ran out.
bool PutPictureOnClipboard(HWND owner, HBITMAP picture);
