// The shell seam over Windows' shell.
#include "platform/shell.h"

#include <shellapi.h>

namespace zerin {

void WindowsShell::Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int showCommand) {
    ShellExecuteA(owner, verb, file, parameters, directory, showCommand);
}

}  // namespace zerin
