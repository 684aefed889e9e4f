// Looks up resources of the running executable by type, id and language.
#include "tests/resources/own_resource.h"

namespace zerin::test {

ResourceBytes FindOwnResource(const char* type, int id, WORD language) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceExA(module, type, MAKEINTRESOURCEA(id), language);
    if (!found) {
        return {};
    }
    const void* data = LockResource(LoadResource(module, found));
    return {static_cast<const uint8_t*>(data), SizeofResource(module, found)};
}

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

}  // namespace zerin::test
