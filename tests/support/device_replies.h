// Replies of a device, built byte by byte at their wire offsets, and a scripted device that
// answers the requests sent through the scripted sockets layer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/packet_builder.h"
#include "tests/support/scripted_socket_layer.h"

namespace zerin::testing {

struct Usb {
    std::string share, id, fs;
    uint32_t total;
    int16_t free;
};

// What a scripted device holds and reports.
struct DeviceState {
    std::string name = "NETSTOR-000010";
    MacAddress mac{0x02, 0x5a, 0x00, 0x00, 0x00, 0x10};
    std::string ip = "198.51.100.10";
    std::string firmware = "0107";
    uint8_t passwordFlag = 0;
    std::string description = "Office storage";
    std::string date = "20240115";
    std::string time = "093005";
    uint8_t timeZone = 56;
    uint8_t ipStatus = 0;
    std::string mask = "255.255.255.0";
    std::string gateway = "198.51.100.1";
    std::string dns1 = "198.51.100.1";
    std::string dns2 = "";
    std::vector<std::string> shares = {"Public", "Scans"};
    std::vector<Usb> usb = {{"Public", "USB1_DISK1", "FAT32", 15258, 63},
                            {"Scans", "USB2_DISK1", "NTFS", 476940, 18}};
    uint16_t verifyStatus = 0;
    uint16_t setNetworkStatus = 0;
};

PacketBuilder SearchReply(const DeviceState& device);
PacketBuilder DeviceInfoReply(const DeviceState& device);
PacketBuilder NetworkInfoReply(const DeviceState& device);
PacketBuilder ShareCountReply(int16_t count, size_t length = 14);
// A page reply with `names` entries, its count byte saying `claimed` (default: all of them).
PacketBuilder SharePageReply(uint8_t page, const std::vector<std::string>& names, int claimed = -1);
PacketBuilder UsbInfoReply(const std::vector<Usb>& entries, int claimed = -1);

// Answers every request addressed to one of the devices (and every search) at the next
// receive attempt, as the devices would; keeps the requests it saw.
class ScriptedDevices {
  public:
    ScriptedDevices(ScriptedSocketLayer& sockets, std::vector<DeviceState> devices);

    std::vector<DeviceState> devices;
    std::vector<Bytes> requests;

  private:
    void Answer(ScriptedSocketLayer& sockets, const Bytes& request);
};

}  // namespace zerin::testing
