// A device's report and the settings written to it as JSON, by the record's field names: the
// shape that `show --json` prints and every front-end names its fields by.
#pragma once

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

// One object: the record's fields by their names, "shares" (the share names) and "usb" (the USB
// rows: "shareName", "deviceId", "fileSystem", "totalSize", "freeSpace").
Json DetailsJson(const DeviceRecord& record, const DeviceDetails& details);

// The settings by the record's field names, as the device stores them.
Json DeviceSettingsJson(const DeviceSettings& settings);
Json NetworkSettingsJson(const NetworkSettings& settings);

}  // namespace zerin
