// The device a command acts on: its DEVICE argument (a name or MAC address as `search` prints
// it), where its search goes, how long each of its replies is waited for and how often a request
// goes again, and its lookup by a search.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "cli/command.h"
#include "operations/device_waits.h"
#include "operations/search/device_finder.h"

namespace zerin::cli {

struct DeviceTarget {
    std::string device;
    SearchOptions search;
    double timeoutSeconds = 3;
    int retries = 1;
    bool json = false;
};

// DEVICE, the search's options, --timeout, --retries and --json.
void AddDeviceTarget(CLI::App& command, DeviceTarget& target);

// --timeout SECONDS, how long each reply is waited for, and --retries N, how often an unanswered
// request goes again.
void AddTimeoutOptions(CLI::App& command, double& seconds, int& retries);

// The waits that --timeout and --retries give.
Waits WaitsOf(double timeoutSeconds, int retries);
Waits WaitsOf(const DeviceTarget& target);

struct TargetLookup {
    FoundDevice found;  // no record when not found
    int status;         // kExitDone when found, else the exit status of the reason
};

// The first device found whose name or MAC address text is the target's, by a search that ends
// when it has answered; the reason said when there is none.
TargetLookup FindTarget(CommandContext& context, const DeviceTarget& target);

}  // namespace zerin::cli
