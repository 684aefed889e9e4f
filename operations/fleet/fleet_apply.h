// One entry of a fleet file applied to its device, on a socket of its own through the adapter
// that heard the device: the detail queries, the plan, then unless it is a dry run the
// verification when the device is guarded, the writes that are needed and a read-back of what
// was written.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "operations/device_waits.h"
#include "operations/fleet/fleet_file.h"
#include "operations/fleet/fleet_plan.h"
#include "operations/json_text.h"
#include "operations/search/device_finder.h"
#include "protocol/socket_layer.h"

namespace zerin {

// What became of an entry; a dry run ends at would change, unchanged, no answer or not found.
enum class EntryStatus {
    kApplied,      // written and read back as the file says
    kUnchanged,    // the device already had every value
    kWouldChange,  // a dry run's plan
    kUnconfirmed,  // written, read back otherwise or not at all
    kRefused,      // name or password not accepted, or the device or the plan refused
    kNoAnswer,
    kNotFound,
    kNotStarted,  // a stop was asked for before the entry wrote anything
    kFailed,      // the tool itself failed; the error says how
};

// "applied", "unchanged", "would change", "unconfirmed", "refused", "no answer", "not found",
// "not started", "failed".
const char* EntryStatusName(EntryStatus status);

struct EntryResult {
    std::optional<std::string> mac;
    std::optional<std::string> name;
    EntryStatus status = EntryStatus::kNotFound;
    // The plan's changes; first a "name" from the device's to the entry's when an entry that
    // gives a MAC address names its device otherwise, which is never written and changes no
    // status.
    std::vector<Change> changes;
    std::string error;           // empty when there is none
    bool networkFailed = false;  // a socket failed or a request could not be sent
};

struct ApplyRun {
    bool dryRun = false;
    Waits waits;
    int jobs = 8;  // entries under way at once
    // The run's administrator name and password, for a guarded device whose entry names none.
    std::optional<std::string> user;
    std::optional<std::string> password;
    // Added to the error of a guarded entry without them, in the front-end's words: ": give ...".
    std::string credentialsHint;
    // Only a unicast carries a verification: an entry whose device only a broadcast reaches is
    // refused. Else such a verification goes by broadcast after a warning through warn.
    bool refuseBroadcastPassword = false;
    std::function<void(const std::string&)> warn;
    // Asked before each write: once true, an entry starts no write, and one that has written its
    // device settings writes no network settings but reads back what it wrote.
    std::function<bool()> stopRequested;
};

// The entry's password, read from its passwordFile before anything is sent.
using EntryPassword = std::optional<std::string>;

// Runs the entry against its device (null when the search did not find it) through a sockets
// layer of its own; what went wrong is said in the result's error.
EntryResult ApplyEntry(const FleetEntry& entry, const FoundDevice* device,
                       const EntryPassword& password, const ApplyRun& run, SocketLayer& sockets);

// The entry's result without a run of its own, by its device when the search found it.
EntryResult EntryWithout(const FleetEntry& entry, const FoundDevice* device, EntryStatus status,
                         const std::string& error);

// {"mac", "name", "status", "changes": [{"field", "from", "to"}], "error"}, null where there is
// none.
Json EntryResultJson(const EntryResult& result);

// Whether the status counts as done: applied, unchanged or, in a dry run, would change.
bool IsDone(EntryStatus status);

}  // namespace zerin
