// Watches the dialogs that a test's actions open on this thread, so a test can answer modal
// windows (message boxes, nested dialogs) the way a user would, while their modal loop runs.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace zerin::testing {

// Calls the handler once for every dialog window when it is first activated.
class DialogWatcher {
  public:
    explicit DialogWatcher(std::function<void(HWND)> onOpen);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    std::function<void(HWND)> onOpen_;
    std::set<HWND> seen_;
    HHOOK hook_;
    DialogWatcher* previous_;
    static DialogWatcher* current_;
};

// Answers every application message box with OK and keeps its text.
class MessageBoxCatcher {
  public:
    MessageBoxCatcher();
    std::vector<std::string> texts;

  private:
    DialogWatcher watcher_;
};

// The text of a window, as UTF-8.
std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
// The item texts of a combo box, in order.
std::vector<std::string> ComboItems(HWND dialog, int id);
// The columns of a list view in report view, each as "heading, width, alignment", the width in
// pixels and the alignment left, right or centre.
std::vector<std::string> ListViewColumns(HWND view);

// Handles every message waiting on this thread's queue.
void PumpMessages();

}  // namespace zerin::testing
