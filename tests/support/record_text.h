// Puts a text into a fixed-width, NUL-terminated field of a device record, for tests that build a
// record as a device would have reported it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

namespace zerin::testing {

// At most N - 1 characters, the rest of the field up to the text's end zero.
template <size_t N>
void Put(char (&field)[N], const std::string& text) {
    std::fill_n(field, N, '\0');
    std::copy_n(text.c_str(), std::min(N - 1, text.size()), field);
}

}  // namespace zerin::testing
