// The plan of one entry of `zerin-cli apply`: which of the file's values differ from what the
// device reports, and the two writes that would set them. A clock always counts as a change.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "operations/device_write.h"
#include "operations/fleet/fleet_file.h"
#include "operations/json_text.h"
#include "protocol/device_record.h"
#include "protocol/device_settings_update.h"

namespace zerin {

struct Change {
    std::string field;  // the file's name: "description", "network.ip", ...
    Json from;          // the device's value
    Json to;            // the file's value
};

struct FleetPlan {
    std::vector<Change> changes;
    // The device settings when the description, time zone, clock or askPassword changes; the
    // network settings when the network does. What goes out is what was planned.
    PlannedWrites writes;
    // What keeps the writes from going out: a static setup without an IP address or a mask, or
    // a value the device reports that cannot be sent back and the entry does not give.
    std::string error;
};

// How the plan's errors name what an entry of the file gives.
extern const GivenInstead kEntryGives;

// The plan over what the device reports, "now" as the given local time. A network write that
// would lose the device (see LosingAddress) or leave it in DHCP with the addresses given is an
// error.
FleetPlan PlanChanges(const FleetSettings& settings, const DeviceRecord& record, const std::tm& now,
                      const GivenInstead& gives = kEntryGives);

// This computer's local time, for "now".
std::tm LocalTimeNow();

// The changes as words: description "Old" -> "New", network.ip "..." -> "...".
std::string ChangesText(const std::vector<Change>& changes);

// What the device write sends: the file's values over the device's, "now" as the given local
// time; nothing, with the reason in error, as a plan's error says.
std::optional<DeviceSettings> DeviceSettingsFor(const FleetSettings& settings,
                                                const DeviceRecord& record, const std::tm& now,
                                                const GivenInstead& gives, std::string& error);

// A time-zone index as the file holds it: null for none or one past the list.
Json TimeZoneJson(int index);

// [{"field", "from", "to"}, ...]
Json ChangesJson(const std::vector<Change>& changes);

}  // namespace zerin
