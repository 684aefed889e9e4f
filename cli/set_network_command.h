// `zerin-cli set-network DEVICE [--dhcp | --static] [--ip A] [--mask A] [--gateway A]
// [--dns1 A] [--dns2 A]`: writes a device's IP settings; what is not given keeps the value the
// device reports.
#pragma once

#include <optional>
#include <string>

#include "protocol/device_record.h"
#include "protocol/network_settings_update.h"
#include "cli/arguments.h"
#include "cli/command.h"

namespace zerin::cli {

const Command& SetNetworkCommand();

// The settings to send: the given options over the record's values; nothing, with the reason in
// error, for --dhcp with --static or an address that is not dotted decimal.
std::optional<NetworkSettings> NetworkSettingsFrom(const DeviceRecord& record,
                                                   const Arguments& arguments, std::string& error);

}  // namespace zerin::cli
