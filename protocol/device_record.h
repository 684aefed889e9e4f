// Everything known about one device: fixed-width, zero-initialised fields filled from its
// replies, and the share names of its latest detail query.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "protocol/network_adapter.h"
#include "protocol/packet.h"

namespace zerin {

// One entry of a share list reply, kept as the 36 bytes it came in; it starts with the name.
struct ShareNameEntry {
    static constexpr size_t kSize = 36;
    std::array<char, kSize> bytes{};

    // The share name: the entry's text up to its first NUL (at most 36 characters).
    std::string Name() const;
};

struct DeviceRecord {
    char name[16 + 1] = {};
    char description[64 + 1] = {};
    char productCode[4 + 1] = {};
    char firmwareVersion[4 + 1] = {};
    uint8_t passwordFlag = 0;
    MacAddress macAddress{};
    uint8_t ipStatus = 0;  // 0 static address, 1 DHCP
    char ipAddress[15 + 1] = {};
    char subnetMask[15 + 1] = {};
    char defaultGateway[15 + 1] = {};
    char primaryDns[15 + 1] = {};
    char secondaryDns[15 + 1] = {};
    char deviceDate[8 + 1] = {};  // YYYYMMDD
    char deviceTime[6 + 1] = {};  // HHMMSS
    uint16_t searchWord = 0;
    uint8_t timeZoneIndex = 0;
    int16_t shareCount = 0;
    // Absent until the first detail query.
    std::optional<std::vector<ShareNameEntry>> shareList;
    // The adapter that heard the device's search answer, for every later request to it; absent
    // when the search went out without a choice of adapter.
    std::optional<NetworkAdapter> adapter;
    // The address that answered a search sent to it by unicast, for every later request to the
    // device; absent for a device that answered a broadcast.
    std::optional<Ipv4Address> via;
};

// The main window's devices, in the order of the device list's lines.
using DeviceArray = std::vector<std::unique_ptr<DeviceRecord>>;

std::unique_ptr<DeviceRecord> CreateDeviceRecord();
// Creates the share list when absent, else empties it.
void ResetShareList(DeviceRecord& record);
// Adds a copy of the 36 bytes at the end of the share list.
void AppendShareEntry(DeviceRecord& record, const uint8_t* entryBytes);

// Copies a fixed-width text field of a reply into a record field of one more byte, so the
// field always ends in NUL.
template <size_t N>
void CopyTextField(char (&field)[N], const uint8_t* bytes) {
    std::copy_n(bytes, N - 1, field);
    field[N - 1] = '\0';
}

}  // namespace zerin
