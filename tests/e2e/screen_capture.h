// A picture of part of the screen, as the user sees it, saved as a 24-bit BMP.
#pragma once

#include <windows.h>

#include <string>

// Copies `area` (screen coordinates) from the screen and writes it to `bmpPath`.
// False when nothing could be captured or written.
bool CaptureScreenArea(const RECT& area, const std::string& bmpPath);
