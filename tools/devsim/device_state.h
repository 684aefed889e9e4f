// One simulated device: its identity, settings, storage and injected faults, everything its
// replies report and its settings requests change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "protocol/packet.h"
#include "tools/devsim/fault.h"

namespace zerin::devsim {

// Longest texts the wire fields hold (share names and file systems keep room for a NUL).
constexpr size_t kNameWidth = 16;
constexpr size_t kCodeWidth = 4;
constexpr size_t kDescriptionWidth = 64;
constexpr size_t kAddressWidth = 15;
constexpr size_t kDateWidth = 8;
constexpr size_t kTimeWidth = 6;
constexpr size_t kAdminUserWidth = 16;
constexpr size_t kAdminPasswordWidth = 8;
constexpr size_t kShareNameMax = 35;
constexpr size_t kDeviceIdWidth = 16;
constexpr size_t kFileSystemMax = 9;

constexpr size_t kSharesPerPage = 20;
constexpr size_t kMaxShares = 256 * kSharesPerPage;  // the page index is one byte
constexpr size_t kMaxUsbEntries = 14;                // what fits a 1024-byte reply

constexpr uint8_t kIpStatic = 0;
constexpr uint8_t kIpDhcp = 1;

// One USB storage share as the USB information reply lists it.
struct UsbEntry {
    std::string shareName;
    std::string deviceId;
    std::string fileSystem;
    uint32_t totalMegabytes = 0;
    int16_t freePercent = 0;
};

struct DeviceState {
    std::string name;
    MacAddress mac{};
    std::string productCode = "0101";
    std::string firmware = "0100";
    std::string description;
    std::string date = "20240101";  // YYYYMMDD
    std::string time = "120000";    // HHMMSS
    uint8_t timeZone = 0;
    uint8_t passwordFlag = 0;
    std::string adminUser = "admin";
    std::string adminPassword;
    uint8_t ipStatus = kIpStatic;
    std::string ip;
    std::string mask = "255.255.255.0";
    std::string gateway = "0.0.0.0";
    std::string dns1 = "0.0.0.0";
    std::string dns2 = "0.0.0.0";
    std::vector<std::string> shares;
    std::vector<UsbEntry> usb;
    uint16_t searchWord = 0;
    std::vector<Fault> faults;
};

}  // namespace zerin::devsim
