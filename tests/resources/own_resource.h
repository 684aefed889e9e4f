// The bytes of a resource in the test executable's own image, looked up by type, id and language.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "resources/resource.h"

namespace zerin::test {

struct ResourceBytes {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

// The resource of the given type and numeric id in a language, Zerin's Chinese (PRC) unless
// another is named; empty when there is none.
ResourceBytes FindOwnResource(const char* type, int id, WORD language = ZERIN_RESOURCE_LANGUAGE);

// UTF-8 form of a UTF-16 text, for comparisons and messages.
std::string ToUtf8(const std::wstring& text);

}  // namespace zerin::test
