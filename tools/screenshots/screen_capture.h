// Pictures of windows for the screenshots: a rectangle of the screen saved as a BMP file, and
// the message pumping that lets windows paint before they are taken.
#pragma once

#include <windows.h>

namespace zerin::screenshots {

// Handles this thread's messages for the given time.
void PumpMessagesFor(DWORD milliseconds);

// Saves the rectangle of the screen as a 24-bit bottom-up BMP file; false when it could not.
bool SaveScreenRect(const RECT& rect, const char* file);

}  // namespace zerin::screenshots
