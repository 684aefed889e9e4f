// `zerin-cli set-network DEVICE [--dhcp | --static] [--ip A] [--mask A] [--gateway A]
// [--dns1 A] [--dns2 A]`: writes a device's IP settings; what is not given keeps the value the
// device reports.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/command.h"
#include "protocol/device_record.h"
#include "protocol/network_settings_update.h"

namespace zerin::cli {

// The options' values, each checked as the command line is read.
struct NetworkSettingsOptions {
    bool dhcp = false;
    bool staticAddress = false;
    // --ip, --mask, --gateway, --dns1, --dns2, in the order of the request's fields.
    std::optional<std::string> addresses[5];
};

std::unique_ptr<Command> MakeSetNetworkCommand();

// The settings to send: the given options over the record's values.
NetworkSettings NetworkSettingsFrom(const DeviceRecord& record,
                                    const NetworkSettingsOptions& options);

}  // namespace zerin::cli
