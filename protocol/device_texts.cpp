// Formatting of the detail texts and the USB rows.
#include "protocol/device_texts.h"

#include <cstdio>

namespace zerin {

std::string FormatMacAddress(const MacAddress& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2],
                  mac[3], mac[4], mac[5]);
    return text;
}

std::string FormatFirmwareVersion(const char (&firmwareVersion)[4 + 1]) {
    const std::string text{'V', firmwareVersion[0], firmwareVersion[1],
                           'R', firmwareVersion[2], firmwareVersion[3]};
    return text.substr(0, text.find('\0'));
}

std::string FormatIpStatus(uint8_t ipStatus) {
    switch (ipStatus) {
        case 0:
            return "Static ip";
        case 1:
            return "DHCP";
        default:
            return "";
    }
}

DetailTexts FormatDetailTexts(const DeviceRecord& record) {
    return {FormatFirmwareVersion(record.firmwareVersion), record.ipAddress,
            FormatMacAddress(record.macAddress), record.description,
            FormatIpStatus(record.ipStatus)};
}

UsbRow FormatUsbRow(const UsbInfoEntry& entry) {
    return {entry.shareName, entry.deviceId, entry.fileSystem, std::to_string(entry.totalSizeMb),
            std::to_string(entry.freeSpacePercent) + "%"};
}

}  // namespace zerin
