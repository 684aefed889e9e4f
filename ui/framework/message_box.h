// The application message box: the one way the program reports to the user.
#pragma once

#include <windows.h>

#include <string>

namespace zerin::ui {

// Shows the text over the active window, captioned with the executable's name without its
// extension; OK button and the exclamation icon unless the caller asks for another icon.
int AppMessageBox(const std::string& text, UINT type = MB_OK, UINT icon = 0);
// The same for texts from the resources, which are not 8-bit safe on every system.
int AppMessageBox(const std::wstring& text, UINT type = MB_OK, UINT icon = 0);

// The executable's file name without folder and extension.
std::wstring ApplicationName();

}  // namespace zerin::ui
