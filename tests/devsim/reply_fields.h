// Reads reply fields in tests the way the client reads them: fixed offsets, texts up to a NUL.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace zerin::devsim::testing {

// The field's bytes up to the first NUL, or all width bytes when it has none.
inline std::string TextAt(const std::vector<uint8_t>& bytes, size_t offset, size_t width) {
    auto begin = bytes.begin() + offset;
    return std::string(begin, std::find(begin, begin + width, 0));
}

inline bool AllZero(const std::vector<uint8_t>& bytes, size_t from, size_t to) {
    return std::all_of(bytes.begin() + from, bytes.begin() + to, [](uint8_t b) { return b == 0; });
}

}  // namespace zerin::devsim::testing
