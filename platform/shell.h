// The shell seam: hands a document or URL to the program the user chose for it.
#pragma once

#include <windows.h>

namespace zerin {

class Shell {
  public:
    virtual ~Shell() = default;
    // The arguments of the shell's execute call, passed as they are.
    virtual void Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                         const char* directory, int showCommand) = 0;
};

// The real shell of Windows.
class WindowsShell : public Shell {
  public:
    void Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                 const char* directory, int showCommand) override;
};

}  // namespace zerin
