// The file of `zerin-cli apply`: the settings of a fleet of devices, each entry naming its device
// by MAC address, by name or by both (the MAC address picks it), over defaults for them all. Read
// strictly: an unknown key, a value of the wrong kind or out of its range is an error that names
// the entry and the key.
//
//     {"defaults": {SETTINGS},
//      "devices": [{"mac": "00:1a:2b:3c:4d:31", "name": "NETSTOR-000031", SETTINGS}, ...],
//      "targets": ["203.0.113.0/24", ...]}
//
// "targets", optional, are searched by unicast as --target is, for devices behind routers.
// SETTINGS, each optional: "description", "timeZone" (0 to 74, or null for none), "clock" ("now"
// or "YYYY-MM-DD HH:MM:SS"), "askPassword" (true or false), "network" ({"mode": "static" | "dhcp",
// "ip", "mask", "gateway", "dns1", "dns2"}). An entry may also name its own "user" and
// "passwordFile"; passwords never stand in the file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "operations/settings_over_record.h"
#include "protocol/wide_search.h"

namespace zerin {

struct FleetSettings {
    std::optional<std::string> description;
    std::optional<int> timeZone;       // an index of the time-zone list, or -1 for none
    std::optional<std::string> clock;  // "now" or "YYYY-MM-DD HH:MM:SS"
    std::optional<bool> askPassword;
    NetworkSettingsChange network;
};

struct FleetEntry {
    std::string label;               // "devices[N]", as messages name the entry
    std::optional<std::string> mac;  // lower case, as search prints it
    std::optional<std::string> name;
    FleetSettings settings;  // the entry's own over the defaults
    std::optional<std::string> user;
    std::optional<std::string> passwordFile;
};

struct FleetFile {
    std::vector<FleetEntry> entries;  // in the file's order
    std::vector<AddressRange> targets;
};

// The file's text read; nothing, with the reason in error, for a file that is not as above.
std::optional<FleetFile> ReadFleetFile(const std::string& text, std::string& error);

}  // namespace zerin
