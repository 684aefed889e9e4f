// Reading and applying dialog initialisation resources.
#include "ui/framework/init_lists.h"

#include <algorithm>

#include "protocol/packet.h"

namespace zerin::ui {

namespace {

constexpr uint16_t kAddStringMessage = 0x0403;
constexpr size_t kRecordHeaderSize = 8;
constexpr WORD kInitListType = 240;

}  // namespace

std::vector<InitListItem> ParseInitList(const uint8_t* bytes, size_t size) {
    std::vector<InitListItem> items;
    size_t offset = 0;
    while (offset + 2 <= size) {
        const int controlId = ReadU16(bytes + offset);
        if (controlId == 0 || offset + kRecordHeaderSize > size) {
            break;
        }
        const uint32_t message = ReadU16(bytes + offset + 2);
        const size_t length = ReadU32(bytes + offset + 4);
        const uint8_t* data = bytes + offset + kRecordHeaderSize;
        if (length > size - offset - kRecordHeaderSize) {
            break;
        }
        if (message == kAddStringMessage) {
            items.push_back({controlId, std::string(data, std::find(data, data + length, 0))});
        }
        offset += kRecordHeaderSize + length;
    }
    return items;
}

void ApplyInitLists(HWND dialog, int templateId) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource =
        FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(kInitListType));
    if (!resource) {
        return;
    }
    const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(module, resource)));
    for (const InitListItem& item : ParseInitList(bytes, SizeofResource(module, resource))) {
        SendDlgItemMessageA(dialog, item.controlId, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(item.text.c_str()));
    }
}

}  // namespace zerin::ui
