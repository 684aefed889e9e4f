// One entry of the USB information reply: a USB storage share with its device, file system and
// sizes, read from its fixed 68-byte layout. Entries go straight to the USB list view.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zerin {

struct UsbInfoEntry {
    static constexpr size_t kSize = 68;

    char shareName[36 + 1] = {};
    char deviceId[16 + 1] = {};  // the wire field need not be terminated
    char fileSystem[10 + 1] = {};
    uint32_t totalSizeMb = 0;
    int16_t freeSpacePercent = 0;
};

UsbInfoEntry ReadUsbInfoEntry(const uint8_t* bytes);

// The entries of a USB information reply of the given length: as many as its count byte says,
// but never more than the datagram holds.
std::vector<UsbInfoEntry> ReadUsbInfoReply(const uint8_t* reply, size_t length);

}  // namespace zerin
