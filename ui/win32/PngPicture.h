#pragma once

#include "WindowsApi.h"

#include <string>

// A picture as the bytes of a PNG file, encoded by GDI+ (part of Windows); empty when it could
// not be encoded.
std::string PngBytes(HBITMAP picture);

// The picture a PNG file's bytes hold, on white where it is transparent; nullptr when they hold
// none. The caller deletes it.
HBITMAP PictureFromPng(const void* bytes, size_t size);
