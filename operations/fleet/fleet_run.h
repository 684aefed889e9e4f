// A fleet file applied as a whole: one search for the devices of every entry, ending when each
// has answered, then every entry against its device on a sockets layer of its own, up to the
// run's jobs at once, the results in the file's order.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "operations/fleet/fleet_apply.h"
#include "operations/fleet/fleet_file.h"
#include "operations/search/device_finder.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"
#include "protocol/wide_search.h"

namespace zerin {

struct FleetDevices {
    std::vector<FoundDevice> found;           // every device that answered
    std::vector<const FoundDevice*> ofEntry;  // each entry's device in found; null when none
    // Set when two entries name one device, "devices[2] names the device of devices[0]", or two
    // devices answer to one entry's name.
    std::string error;
};

// Searches as planned for the devices the entries name, by MAC address or else by name.
FleetDevices FindFleetDevices(SocketLayer& sockets, Reporter& reporter, const WideSearchPlan& plan,
                              const std::vector<FleetEntry>& entries);

// Applies every entry to its device (an entry whose device was not found ends as not found, one
// that the run's stop kept from starting as not started); entryDone runs after each entry, one
// call at a time. platform is the sockets layer that each entry's own is made over.
std::vector<EntryResult> ApplyFleet(const std::vector<FleetEntry>& entries,
                                    const FleetDevices& devices,
                                    const std::vector<EntryPassword>& passwords,
                                    const ApplyRun& run, SocketLayer& platform,
                                    const std::function<void()>& entryDone);

}  // namespace zerin
