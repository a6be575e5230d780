#pragma once

#include "WindowsApi.h"

#include <string>

// A picture as the bytes of a PNG file, encoded by GDI+ (part of Windows); empty when it could
// not be encoded.
std::string PngBytes(HBITMAP picture);
