// The application message box.
#include "ui/framework/message_box.h"

namespace zerin::ui {

namespace {

UINT Style(UINT type, UINT icon) {
    return type | (icon ? icon : MB_ICONEXCLAMATION);
}

std::wstring Widen(const std::string& text) {
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.pop_back();
    return wide;
}

}  // namespace

std::wstring ApplicationName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path);
    name.erase(0, name.find_last_of(L"\\/") + 1);
    const size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

int AppMessageBox(const std::wstring& text, UINT type, UINT icon) {
    return MessageBoxW(GetActiveWindow(), text.c_str(), ApplicationName().c_str(),
                       Style(type, icon));
}

int AppMessageBox(const std::string& text, UINT type, UINT icon) {
    return AppMessageBox(Widen(text), type, icon);
}

}  // namespace zerin::ui
