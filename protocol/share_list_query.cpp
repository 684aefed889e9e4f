// The share list requests of the detail queries and the reading of their replies.
#include "protocol/share_list_query.h"

#include <algorithm>

#include "protocol/packet.h"

namespace zerin {

namespace {

constexpr int kSharesPerPage = 20;
constexpr int kMaxPages = 256;

// Reply layout: the page answered, the entry count, then the 36-byte entries back to back.
constexpr size_t kPageOffset = kHeaderSize;
constexpr size_t kCountOffset = kHeaderSize + 1;
constexpr size_t kEntriesOffset = kHeaderSize + 2;

}  // namespace

int SharePageCount(int16_t shareCount) {
    if (shareCount <= 0) {
        return 0;
    }
    return std::min(shareCount / kSharesPerPage + 1, kMaxPages);
}

void ReadSharePage(const uint8_t* reply, size_t length, uint8_t page, DeviceRecord& record) {
    if (length < kEntriesOffset || reply[kPageOffset] != page) {
        return;
    }
    const size_t count =
        std::min<size_t>(reply[kCountOffset], (length - kEntriesOffset) / ShareNameEntry::kSize);
    for (size_t i = 0; i < count; ++i) {
        AppendShareEntry(record, reply + kEntriesOffset + i * ShareNameEntry::kSize);
    }
}

void QueryShareList(Exchange& exchange, DeviceRecord& record) {
    ResetShareList(record);
    const int pages = SharePageCount(record.shareCount);
    for (int page = 0; page < pages; ++page) {
        const uint8_t pageIndex = static_cast<uint8_t>(page);
        if (auto length = exchange.Request(CMD_GET_SHARE_LIST, &pageIndex, 1)) {
            ReadSharePage(exchange.Received(), *length, pageIndex, record);
        }
    }
}

}  // namespace zerin
