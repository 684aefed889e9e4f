// The device a command acts on: its DEVICE argument (a name or MAC address as `search` prints
// it), the adapters its search goes through, how long each of its replies is waited for, and its
// lookup by a search.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/device_finder.h"
#include "protocol/exchange.h"

namespace zerin::cli {

struct DeviceTarget {
    std::string device;
    std::vector<std::string> adapters;
    double timeoutSeconds = 3;
    bool json = false;
};

// DEVICE, --adapter, --timeout and --json.
void AddDeviceTarget(CLI::App& command, DeviceTarget& target);

// --timeout SECONDS, how long each reply is waited for.
void AddTimeoutOption(CLI::App& command, double& seconds);

// Each reply waited for the timeout, no request after the first one unanswered, and every request
// through the adapter that heard the device.
ExchangeOptions ExchangeOptionsOf(int timeoutMs, const DeviceRecord& device);
// The same with the target's --timeout.
ExchangeOptions ExchangeOptionsOf(const DeviceTarget& target, const DeviceRecord& device);

struct Lookup {
    FoundDevice found;  // no record when not found
    int status;         // kExitDone when found, else the exit status of the reason
};

// The first device found whose name or MAC address text is the target's; the reason said when
// there is none.
Lookup LookUpDevice(CommandContext& context, const DeviceTarget& target);

}  // namespace zerin::cli
