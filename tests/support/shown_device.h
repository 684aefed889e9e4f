// A device as its detail queries left it, two shares and a USB row, for the tests of what is
// shown of a device.
#pragma once

#include <algorithm>
#include <string>

#include "protocol/device_details.h"
#include "protocol/device_record.h"
#include "protocol/device_texts.h"

namespace zerin::testing {

struct ShownDevice {
    DeviceRecord record;
    DeviceDetails details;
};

inline ShownDevice SharingDevice() {
    ShownDevice device;
    DeviceRecord& record = device.record;
    std::copy_n("NETSTOR \"1\"", 12, record.name);
    std::copy_n("0107", 5, record.firmwareVersion);
    record.macAddress = {0x02, 0x5a, 0, 0, 0, 0x10};
    std::copy_n("198.51.100.10", 14, record.ipAddress);
    record.shareCount = 2;
    ResetShareList(record);
    for (const char* name : {"Public", "Scans"}) {
        uint8_t entry[ShareNameEntry::kSize] = {};
        std::copy_n(name, std::char_traits<char>::length(name), entry);
        AppendShareEntry(record, entry);
    }
    device.details = {true,
                      FormatDetailTexts(record),
                      {{"Public", "USB1", "FAT32", "15258", "7%"}},
                      std::nullopt};
    return device;
}

}  // namespace zerin::testing
