// Reads the payload fields of the requests that carry data. Each reader returns nothing for a
// datagram too short to hold its fields, which a device then leaves unanswered.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tools/devsim/reply_builder.h"

namespace zerin::devsim {

struct Credentials {
    std::string user;
    std::string password;
};

struct DeviceSettings {
    uint8_t passwordFlag = 0;
    std::string name;
    std::string description;
    std::string date;
    std::string time;
    uint8_t timeZone = 0;
};

struct NetworkSettings {
    uint8_t ipStatus = 0;
    std::string ip;
    std::string mask;
    std::string gateway;
    std::string dns1;
    std::string dns2;
};

std::optional<uint8_t> ReadSharePage(const Datagram& request);
std::optional<Credentials> ReadCredentials(const Datagram& request);
std::optional<DeviceSettings> ReadDeviceSettings(const Datagram& request);
std::optional<NetworkSettings> ReadNetworkSettings(const Datagram& request);

}  // namespace zerin::devsim
