// A dialog's member control: a handle bound to the template control with the same id when the
// dialog initialises, and the few calls the windows make on it.
#pragma once

#include <windows.h>

#include <string>

namespace zerin::ui {

class Control {
  public:
    HWND Handle() const { return handle_; }
    void Attach(HWND handle) { handle_ = handle; }

    std::string Text() const;
    void SetText(const std::string& text) const;
    void Enable(bool enable) const { EnableWindow(handle_, enable); }
    bool IsEnabled() const { return IsWindowEnabled(handle_); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(handle_, message, wParam, lParam);
    }

  private:
    HWND handle_ = nullptr;
};

}  // namespace zerin::ui
