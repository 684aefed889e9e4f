// The device a command acts on: its DEVICE argument (a name or MAC address as `search` prints
// it), how long each of its replies is waited for, and its lookup by a search.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/command.h"
#include "protocol/device_record.h"
#include "protocol/exchange.h"

namespace zerin::cli {

struct DeviceTarget {
    std::string device;
    double timeoutSeconds = 3;
    bool json = false;
};

// DEVICE, --timeout and --json.
void AddDeviceTarget(CLI::App& command, DeviceTarget& target);

// Each reply waited for --timeout seconds, and no request after the first one unanswered.
ExchangeOptions ExchangeOptionsOf(const DeviceTarget& target);

// The first device found whose name or MAC address text is the target's; null when none is,
// after saying so unless the search itself failed.
std::unique_ptr<DeviceRecord> LookUpDevice(CommandContext& context, const DeviceTarget& target);

// The exit status for a command that ends at the status given: a network failure first said and
// taking its place.
int Finish(CommandContext& context, int status);

}  // namespace zerin::cli
