// A device's report and the settings written to it as JSON, by the record's field names: the
// shape that `show --json` prints and every front-end names its fields by.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "operations/json_text.h"
#include "protocol/device_details.h"
#include "protocol/device_record.h"
#include "protocol/device_settings_update.h"
#include "protocol/network_settings_update.h"

namespace zerin {

// The share names of the record's share list, none when it was never queried.
std::vector<std::string> ShareNames(const DeviceRecord& record);

// The device's clock as ISO 8601 local time, 2009-10-14T09:30:05; nothing when it does not read.
std::optional<std::string> IsoClock(const DeviceRecord& record);

// The device's time zone by name; nothing for none.
std::optional<std::string> TimeZoneOf(const DeviceRecord& record);

// One object: the record's fields by their names, and beside them the forms scripts read:
// "mode" ("static" or "dhcp"), "clock" (ISO 8601), "timeZone" (its name) and "guarded"; then
// "shares" (the share names) and "usb" (the USB rows: "shareName", "deviceId", "fileSystem",
// "totalSize", "freeSpace" as the window shows them, "totalSizeMB" and "freeSpacePercent" as
// numbers).
Json DetailsJson(const DeviceRecord& record, const DeviceDetails& details);

// The settings by the record's field names, as the device stores them.
Json DeviceSettingsJson(const DeviceSettings& settings);
Json NetworkSettingsJson(const NetworkSettings& settings);

}  // namespace zerin
