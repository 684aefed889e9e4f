// Applying a fleet file.
#include "operations/fleet/fleet_run.h"

#include "operations/fleet/job_pool.h"

namespace zerin {

namespace {

// The label of an entry that names the device of an earlier one; empty when none does.
std::string SameDeviceTwice(const std::vector<FleetEntry>& entries,
                            const std::vector<const FoundDevice*>& devices) {
    for (size_t i = 0; i < devices.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (devices[i] && devices[i] == devices[j]) {
                return entries[i].label + " names the device of " + entries[j].label;
            }
        }
    }
    return "";
}

}  // namespace

FleetDevices FindFleetDevices(SocketLayer& sockets, Reporter& reporter, const WideSearchPlan& plan,
                              const std::vector<FleetEntry>& entries) {
    std::vector<std::string> wanted;
    for (const FleetEntry& entry : entries) {
        wanted.push_back(entry.mac.value_or(entry.name.value_or("")));
    }
    FleetDevices devices;
    devices.found = FindDevices(sockets, reporter, plan, wanted).devices;
    for (size_t i = 0; i < wanted.size(); ++i) {
        const std::vector<FoundDevice*> named = DevicesNamed(devices.found, wanted[i]);
        devices.ofEntry.push_back(named.empty() ? nullptr : named.front());
        if (named.size() > 1 && devices.error.empty()) {
            devices.error = entries[i].label + ": " + SameName(named, wanted[i]);
        }
    }
    if (devices.error.empty()) {
        devices.error = SameDeviceTwice(entries, devices.ofEntry);
    }
    return devices;
}

std::vector<EntryResult> ApplyFleet(const std::vector<FleetEntry>& entries,
                                    const FleetDevices& devices,
                                    const std::vector<EntryPassword>& passwords,
                                    const ApplyRun& run, SocketLayer& platform,
                                    const std::function<void()>& entryDone) {
    const std::vector<const FoundDevice*>& of = devices.ofEntry;
    std::vector<EntryResult> results;
    for (size_t i = 0; i < entries.size(); ++i) {
        results.push_back(
            EntryWithout(entries[i], of[i], EntryStatus::kNotStarted, "stopped before it started"));
    }
    RunJobs(
        entries.size(), run.jobs,
        {[&](size_t i) { results[i] = ApplyEntry(entries[i], of[i], passwords[i], run, platform); },
         [&](size_t i, const std::string& error) {
             results[i] =
                 EntryWithout(entries[i], of[i], EntryStatus::kFailed, "internal error: " + error);
         },
         entryDone, run.stopRequested});
    return results;
}

}  // namespace zerin
