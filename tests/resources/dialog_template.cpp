// Reads DLGTEMPLATE and DLGTEMPLATEEX layouts field by field, with bounds checks.
#include "tests/resources/dialog_template.h"

#include <windows.h>

#include <stdexcept>

#include "tests/resources/own_resource.h"

namespace zerin::test {
namespace {

class Reader {
  public:
    Reader(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}

    uint16_t Word() {
        Need(2);
        uint16_t value = bytes_[at_] | bytes_[at_ + 1] << 8;
        at_ += 2;
        return value;
    }

    uint32_t Dword() {
        uint32_t low = Word();
        return low | static_cast<uint32_t>(Word()) << 16;
    }

    int16_t Short() { return static_cast<int16_t>(Word()); }

    uint8_t Byte() {
        Need(1);
        return bytes_[at_++];
    }

    std::string String() {
        std::wstring text;
        for (wchar_t c = Word(); c != 0; c = Word()) {
            text += c;
        }
        return ToUtf8(text);
    }

    // A text, an ordinal (0xFFFF then the number) or nothing (a single zero).
    TextOrOrdinal TextOrOrdinalField() {
        Need(2);
        if (bytes_[at_] == 0xFF && bytes_[at_ + 1] == 0xFF) {
            Word();
            return {true, Word(), {}};
        }
        return {false, 0, String()};
    }

    DialogRect Rect() {
        int x = Short(), y = Short(), width = Short();
        return {x, y, width, Short()};
    }

    void Skip(size_t count) {
        Need(count);
        at_ += count;
    }

    void AlignToDword() { at_ = (at_ + 3) & ~size_t{3}; }

  private:
    void Need(size_t count) const {
        if (at_ + count > size_) {
            throw std::runtime_error("dialog template ends early at byte " + std::to_string(at_));
        }
    }

    const uint8_t* bytes_;
    size_t size_;
    size_t at_ = 0;
};

DialogItem ReadItem(Reader& in, bool extended) {
    in.AlignToDword();
    DialogItem item{};
    if (extended) {
        in.Dword();  // help id
        item.exStyle = in.Dword();
        item.style = in.Dword();
    } else {
        item.style = in.Dword();
        item.exStyle = in.Dword();
    }
    item.rect = in.Rect();
    item.id = extended ? in.Dword() : in.Word();
    item.windowClass = in.TextOrOrdinalField();
    item.text = in.TextOrOrdinalField();
    item.creationDataSize = in.Word();
    in.Skip(item.creationDataSize);
    return item;
}

DialogFont ReadFont(Reader& in, bool extended) {
    DialogFont font;
    font.pointSize = in.Word();
    if (extended) {
        font.weight = in.Word();
        font.italic = in.Byte() != 0;
        font.charset = in.Byte();
    }
    font.typeface = in.String();
    return font;
}

}  // namespace

void PrintTo(const DialogRect& rect, std::ostream* out) {
    *out << "(" << rect.x << ", " << rect.y << ", " << rect.width << ", " << rect.height << ")";
}

DialogTemplate ParseDialogTemplate(const uint8_t* bytes, size_t size) {
    Reader in(bytes, size);
    DialogTemplate dialog{};
    uint16_t first = in.Word();
    uint16_t second = in.Word();
    dialog.extended = first == 1 && second == 0xFFFF;
    if (dialog.extended) {
        in.Dword();  // help id
        dialog.exStyle = in.Dword();
        dialog.style = in.Dword();
    } else {
        dialog.style = first | static_cast<uint32_t>(second) << 16;
        dialog.exStyle = in.Dword();
    }
    uint16_t itemCount = in.Word();
    dialog.rect = in.Rect();
    dialog.menu = in.TextOrOrdinalField();
    dialog.windowClass = in.TextOrOrdinalField();
    dialog.caption = in.String();
    dialog.hasFont = (dialog.style & (DS_SETFONT | DS_SHELLFONT)) != 0;
    if (dialog.hasFont) {
        dialog.font = ReadFont(in, dialog.extended);
    }
    for (uint16_t i = 0; i < itemCount; ++i) {
        dialog.items.push_back(ReadItem(in, dialog.extended));
    }
    return dialog;
}

}  // namespace zerin::test
