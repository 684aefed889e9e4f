// Reading the USB information reply and its entries.
#include "protocol/usb_info_entry.h"

#include <algorithm>

#include "protocol/device_record.h"
#include "protocol/packet.h"

namespace zerin {

namespace {

// Reply layout: a count byte after the header, then the entries back to back.
constexpr size_t kCountOffset = kHeaderSize;
constexpr size_t kEntriesOffset = kCountOffset + 1;

// Entry layout; the numbers are little-endian.
constexpr size_t kShareNameOffset = 0;
constexpr size_t kDeviceIdOffset = 36;
constexpr size_t kFileSystemOffset = 52;
constexpr size_t kTotalSizeOffset = 62;
constexpr size_t kFreeSpaceOffset = 66;

}  // namespace

UsbInfoEntry ReadUsbInfoEntry(const uint8_t* bytes) {
    UsbInfoEntry entry;
    CopyTextField(entry.shareName, bytes + kShareNameOffset);
    CopyTextField(entry.deviceId, bytes + kDeviceIdOffset);
    CopyTextField(entry.fileSystem, bytes + kFileSystemOffset);
    entry.totalSizeMb = ReadU32(bytes + kTotalSizeOffset);
    entry.freeSpacePercent = static_cast<int16_t>(ReadU16(bytes + kFreeSpaceOffset));
    return entry;
}

std::vector<UsbInfoEntry> ReadUsbInfoReply(const uint8_t* reply, size_t length) {
    if (length < kEntriesOffset) {
        return {};
    }
    const size_t count =
        std::min<size_t>(reply[kCountOffset], (length - kEntriesOffset) / UsbInfoEntry::kSize);
    std::vector<UsbInfoEntry> entries;
    for (size_t i = 0; i < count; ++i) {
        entries.push_back(ReadUsbInfoEntry(reply + kEntriesOffset + i * UsbInfoEntry::kSize));
    }
    return entries;
}

}  // namespace zerin
