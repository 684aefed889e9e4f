// `zerin-cli set-network DEVICE [--dhcp | --static] [--ip A] [--mask A] [--gateway A]
// [--dns1 A] [--dns2 A]`: writes what differs of a device's IP settings; what is not given keeps
// the value the device reports, and no setting that would lose the device goes out.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/command.h"
#include "operations/settings_over_record.h"

namespace zerin::cli {

// The options' values, each checked as the command line is read.
struct NetworkSettingsOptions {
    bool dhcp = false;
    bool staticAddress = false;
    // --ip, --mask, --gateway, --dns1, --dns2, in the order of the request's fields.
    std::optional<std::string> addresses[5];
};

std::unique_ptr<Command> MakeSetNetworkCommand();

// The change the options give.
NetworkSettingsChange NetworkChangeFrom(const NetworkSettingsOptions& options);

// Why the options alone cannot be written: nothing to set, or addresses of a static setup that
// would lose the device; empty when they can.
std::string NetworkOptionsError(const NetworkSettingsOptions& options);

}  // namespace zerin::cli
