// The devices served without a configuration file, and the generated devices of a burst.
#include "tools/devsim/default_devices.h"

#include <cstdio>
#include <string>

namespace zerin::devsim {

namespace {

DeviceState NetworkDevice(const std::string& name, uint8_t macTail, const std::string& ip) {
    DeviceState device;
    device.name = name;
    device.mac = {0x02, 0x5a, 0x00, 0x00, 0x00, macTail};
    device.ip = ip;
    device.gateway = "198.51.100.1";
    device.dns1 = "198.51.100.1";
    return device;
}

DeviceState OfficeDevice() {
    DeviceState device = NetworkDevice("NETSTOR-000010", 0x10, "198.51.100.10");
    device.firmware = "0107";
    device.description = "Office storage";
    device.date = "20240115";
    device.time = "093005";
    device.timeZone = 56;
    device.shares = {"Public", "Scans"};
    device.usb = {{"Public", "USB1_DISK1", "FAT32", 15258, 63},
                  {"Scans", "USB2_DISK1", "NTFS", 476940, 18}};
    device.searchWord = 0x0001;
    return device;
}

DeviceState MediaDevice() {
    DeviceState device = NetworkDevice("NETSTOR-000011", 0x11, "198.51.100.11");
    device.ipStatus = kIpDhcp;
    device.firmware = "0203";
    device.description = "Media shelf - living room";
    device.date = "20231130";
    device.time = "214500";
    device.timeZone = 20;
    device.passwordFlag = 1;
    device.adminPassword = "secret";
    device.shares = {"Media", "Photos", "Backup"};
    device.usb = {{"Media", "USB1_PART1", "NTFS", 953869, 41},
                  {"Photos", "USB1_PART2", "EXT3", 238475, 7},
                  {"Backup", "USB2-0000A1B2C3D", "FAT32", 30517, 96}};
    device.searchWord = 0x0002;
    return device;
}

DeviceState ArchiveDevice() {
    DeviceState device = NetworkDevice("NETSTOR-000012", 0x12, "198.51.100.12");
    device.firmware = "0110";
    device.description = "Lab archive";
    device.date = "20240302";
    device.time = "070809";
    device.timeZone = 35;
    device.shares = {"Archive", "Logs"};
    device.usb = {{"Archive", "USB1_DISK1", "NTFS", 1907729, 55},
                  {"Logs", "USB2_DISK1", "FAT32", 7631, 88}};
    device.searchWord = 0x0003;
    return device;
}

DeviceState BurstDevice(int number) {
    char name[kNameWidth + 1];
    std::snprintf(name, sizeof name, "BURST-%04d", number);
    DeviceState device;
    device.name = name;
    device.mac = {
        0x02, 0x5a, 0x00, 0x01, static_cast<uint8_t>(number >> 8), static_cast<uint8_t>(number)};
    device.ip = "198.18." + std::to_string(number >> 8) + "." + std::to_string(number & 0xff);
    device.description = std::string("Burst device ") + name;
    device.shares = {"Share"};
    device.usb = {{"Share", "USB1_DISK1", "FAT32", 7631, 50}};
    device.searchWord = static_cast<uint16_t>(number);
    return device;
}

}  // namespace

std::vector<DeviceState> DefaultDevices() {
    return {OfficeDevice(), MediaDevice(), ArchiveDevice()};
}

std::vector<DeviceState> BurstDevices(int count) {
    std::vector<DeviceState> devices;
    for (int number = 1; number <= count; ++number) {
        devices.push_back(BurstDevice(number));
    }
    return devices;
}

}  // namespace zerin::devsim
