// Watching and answering the dialogs a test opens.
#include "tests/support/dialog_watcher.h"

#include <commctrl.h>

#include "ui/framework/message_box.h"

namespace zerin::testing {

namespace {

constexpr int kMessageBoxTextId = 0xffff;

bool IsDialog(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770";
}

std::wstring WideText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return text;
}

}  // namespace

DialogWatcher* DialogWatcher::current_ = nullptr;

DialogWatcher::DialogWatcher(std::function<void(HWND)> onOpen)
    : onOpen_(std::move(onOpen)),
      hook_(SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId())),
      previous_(current_) {
    current_ = this;
}

DialogWatcher::~DialogWatcher() {
    UnhookWindowsHookEx(hook_);
    current_ = previous_;
}

LRESULT CALLBACK DialogWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && IsDialog(window)) {
        for (DialogWatcher* watcher = current_; watcher; watcher = watcher->previous_) {
            if (watcher->seen_.insert(window).second) {
                watcher->onOpen_(window);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

MessageBoxCatcher::MessageBoxCatcher()
    : watcher_([this](HWND window) {
          if (WideText(window) == ui::ApplicationName()) {
              texts.push_back(ItemText(window, kMessageBoxTextId));
              PostMessageW(window, WM_COMMAND, IDOK, 0);
          }
      }) {}

std::string WindowText(HWND window) {
    const std::wstring wide = WideText(window);
    std::string text(
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), static_cast<int>(text.size()),
                        nullptr, nullptr);
    text.pop_back();
    return text;
}

std::string ItemText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

std::vector<std::string> ComboItems(HWND dialog, int id) {
    std::vector<std::string> items;
    HWND box = GetDlgItem(dialog, id);
    for (LRESULT i = 0; i < SendMessageA(box, CB_GETCOUNT, 0, 0); ++i) {
        std::string text(SendMessageA(box, CB_GETLBTEXTLEN, i, 0) + 1, '\0');
        text.resize(SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data())));
        items.push_back(text);
    }
    return items;
}

std::vector<std::string> ListViewColumns(HWND view) {
    static const char* const kAlignments[] = {"left", "right", "centre"};
    std::vector<std::string> columns;
    for (int index = 0;; ++index) {
        char heading[64] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = heading;
        column.cchTextMax = sizeof heading;
        if (!SendMessageA(view, LVM_GETCOLUMNA, index, reinterpret_cast<LPARAM>(&column))) {
            return columns;
        }
        columns.push_back(std::string(heading) + ", " + std::to_string(column.cx) + ", " +
                          kAlignments[column.fmt & LVCFMT_JUSTIFYMASK]);
    }
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace zerin::testing
