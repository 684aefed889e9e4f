// The texts by which a device's details are shown to the user: the basic information of the
// details panel and the rows of the USB list view.
#pragma once

#include <string>

#include "protocol/device_record.h"
#include "protocol/packet.h"
#include "protocol/usb_info_entry.h"

namespace zerin {

// Six lower-case hex pairs separated by colons.
std::string FormatMacAddress(const MacAddress& mac);

// "V", two characters, "R", two characters, ending at the first NUL: "V" without firmware data.
std::string FormatFirmwareVersion(const char (&firmwareVersion)[4 + 1]);

// "Static ip" for 0, "DHCP" for 1, empty for any other value.
std::string FormatIpStatus(uint8_t ipStatus);

// The five texts of the details panel.
struct DetailTexts {
    std::string firmwareVersion;
    std::string ipAddress;
    std::string macAddress;
    std::string description;
    std::string ipStatus;
};

DetailTexts FormatDetailTexts(const DeviceRecord& record);

// The five columns of one row of the USB list view.
struct UsbRow {
    std::string shareName;
    std::string deviceId;  // at most 16 characters
    std::string fileSystem;
    std::string totalSize;  // megabytes, as an unsigned 32-bit number
    std::string freeSpace;  // percent, with its sign and a "%"
};

UsbRow FormatUsbRow(const UsbInfoEntry& entry);

}  // namespace zerin
