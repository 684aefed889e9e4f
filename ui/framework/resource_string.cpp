// Loading of string-table entries.
#include "ui/framework/resource_string.h"

#include <windows.h>

namespace zerin::ui {

std::wstring LoadResourceString(int id) {
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return std::wstring(text, length);
}

}  // namespace zerin::ui
