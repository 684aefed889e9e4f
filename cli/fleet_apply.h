// One entry of `zerin-cli apply` against its device, on a socket of its own through the adapter
// that heard the device: the detail queries, the plan, then unless it is a dry run the
// verification when the device is guarded, the writes that are needed and a read-back of what
// was written.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/device_finder.h"
#include "cli/fleet_file.h"
#include "cli/fleet_plan.h"
#include "protocol/socket_layer.h"

namespace zerin::cli {

struct EntryResult {
    std::optional<std::string> mac;
    std::optional<std::string> name;
    // applied, unchanged, unconfirmed, refused, no answer, not found; in a dry run would change,
    // unchanged, no answer, not found.
    std::string status;
    std::vector<Change> changes;
    std::string error;  // empty when there is none
};

struct ApplyRun {
    bool dryRun = false;
    int timeoutMs = 3000;
    // The run's administrator name and password, for a guarded device whose entry names none.
    std::optional<std::string> user;
    std::optional<std::string> password;
};

// The entry's password, read from its passwordFile before anything is sent.
using EntryPassword = std::optional<std::string>;

// Runs the entry against its device (null when the search did not find it) through a sockets
// layer of its own; every message of the protocol goes into the result's error.
EntryResult ApplyEntry(const FleetEntry& entry, const FoundDevice* device,
                       const EntryPassword& password, const ApplyRun& run, SocketLayer& sockets);

// Whether the status counts as done for the exit status.
bool IsDone(const std::string& status);

}  // namespace zerin::cli
