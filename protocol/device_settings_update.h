// The device settings update exchange: writes one device's verification flag, description,
// date, time and time zone. The reply is waited for but not examined.
#pragma once

#include <cstdint>
#include <string>

#include "protocol/exchange.h"
#include "protocol/packet.h"
#include "protocol/reporter.h"
#include "protocol/settings_update_result.h"
#include "protocol/socket_layer.h"

namespace zerin {

struct DeviceSettings {
    // 1: the device shall ask for the administrator's name and password, 0: it shall not.
    uint8_t verificationFlag = 0;
    std::string description;  // at most 63 characters are sent
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
    int timeZoneIndex = -1;  // index into the time-zone list; -1 (sent as 255) when none
};

// deviceName is the record's name; at most 16 characters are sent.
SettingsUpdateResult SetDeviceInfo(SocketLayer& sockets, Reporter& reporter, const MacAddress& mac,
                                   const std::string& deviceName, const DeviceSettings& settings,
                                   const ExchangeOptions& options = {});

}  // namespace zerin
