// The network settings update exchange: writes one device's IP protocol and its five addresses.
// A refusal is reported to the user but does not change the result.
#pragma once

#include <string>

#include "protocol/device_record.h"
#include "protocol/exchange.h"
#include "protocol/packet.h"
#include "protocol/reporter.h"
#include "protocol/settings_update_result.h"
#include "protocol/socket_layer.h"

namespace zerin {

struct NetworkSettings {
    int protocolIndex = -1;  // 0 static address, 1 DHCP; -1 (sent as 255) when none is chosen
    // Dotted decimal texts; at most 15 characters of each are sent, also with DHCP.
    std::string ipAddress;
    std::string subnetMask;
    std::string defaultGateway;
    std::string primaryDns;
    std::string secondaryDns;
};

// The five addresses in the order of the request's fields: the record's field, the settings'
// field, and the name both go by.
struct AddressField {
    char (DeviceRecord::*record)[16];
    std::string NetworkSettings::*settings;
    const char* name;
};

extern const AddressField kAddressFields[5];

extern const char kSetNetworkInfoFailedMessage[];

SettingsUpdateResult SetNetworkInfo(SocketLayer& sockets, Reporter& reporter, const MacAddress& mac,
                                    const NetworkSettings& settings,
                                    const ExchangeOptions& options = {});

}  // namespace zerin
