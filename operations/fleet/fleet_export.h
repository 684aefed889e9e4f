// The backup of a fleet's settings as an apply file (see fleet_file.h): one search, the detail
// queries of every device found or named, several at once, and an entry a device of what it
// reports that apply can send back, so that applying the file puts these settings back.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "operations/device_waits.h"
#include "operations/json_text.h"
#include "operations/search/device_finder.h"
#include "protocol/device_record.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"
#include "protocol/wide_search.h"

namespace zerin {

struct DevicesToExport {
    std::vector<FoundDevice> found;     // the devices wanted, in the order they answered
    std::vector<std::string> notFound;  // the names and MAC addresses wanted that none answered to
};

// Searches as planned for the devices wanted by name or MAC address, ending as soon as each has
// answered; for every device that answers when none is wanted.
DevicesToExport FindDevicesToExport(SocketLayer& sockets, Reporter& reporter,
                                    const WideSearchPlan& plan,
                                    const std::vector<std::string>& wanted);

struct ExportedDevice {
    std::string name;
    std::string mac;
    std::optional<Json> entry;  // none when the device is left out
    // What was left out of the entry and why, or why the device was: "no answer to the network
    // information request, left out", ...
    std::vector<std::string> said;
    bool networkFailed = false;  // a socket failed or a request could not be sent
};

// The entry of a device whose record holds its details: "mac", "name", "description",
// "timeZone", "askPassword" and "network" ("mode" and the addresses), without a value that apply
// would refuse or could not send back, each such value said in leftOut.
Json EntryOf(const DeviceRecord& record, std::vector<std::string>& leftOut);

// The device's detail queries on a sockets layer of its own over platform, then its entry.
ExportedDevice ExportDevice(const FoundDevice& device, const Waits& waits, SocketLayer& platform);

// Every device exported, up to jobs at once, in the order given; deviceDone runs after each, one
// call at a time.
std::vector<ExportedDevice> ExportFleet(const std::vector<FoundDevice>& devices, const Waits& waits,
                                        int jobs, SocketLayer& platform,
                                        const std::function<void()>& deviceDone);

// The apply file of the entries: {"devices": [...], "targets": [...]}, the targets (as the search
// was given them) only when there are any.
Json FleetFileOf(const std::vector<ExportedDevice>& devices,
                 const std::vector<std::string>& targets);

}  // namespace zerin
