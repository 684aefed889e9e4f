// A dialog template read from its resource bytes, in the standard or the extended layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace zerin::test {

// A field that holds either a text or a 16-bit ordinal (a resource id or a predefined class).
struct TextOrOrdinal {
    bool isOrdinal = false;
    uint16_t ordinal = 0;
    std::string text;  // UTF-8
};

struct DialogRect {
    int x, y, width, height;
    bool operator==(const DialogRect& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
};

// Shows a rectangle as (x, y, width, height) in failure messages.
void PrintTo(const DialogRect& rect, std::ostream* out);

struct DialogItem {
    uint32_t id;  // as stored: 16 bits wide in a standard template, 32 bits in an extended one
    TextOrOrdinal windowClass;
    TextOrOrdinal text;
    DialogRect rect;
    uint32_t style;
    uint32_t exStyle;
    size_t creationDataSize;
};

struct DialogFont {
    int pointSize = 0;
    int weight = 0;
    bool italic = false;
    int charset = 0;
    std::string typeface;
};

struct DialogTemplate {
    bool extended;
    uint32_t style;
    uint32_t exStyle;
    DialogRect rect;
    TextOrOrdinal menu;
    TextOrOrdinal windowClass;
    std::string caption;
    bool hasFont;
    DialogFont font;
    std::vector<DialogItem> items;
};

// Reads a whole template; throws std::runtime_error when the bytes end early.
DialogTemplate ParseDialogTemplate(const uint8_t* bytes, size_t size);

}  // namespace zerin::test
