// `zerin-cli set-device DEVICE [--description TEXT] [--date YYYY-MM-DD] [--time HH:MM:SS]
// [--timezone INDEX] [--ask-password yes|no]`: writes a device's general settings; what is not
// given keeps the value the device reports.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "protocol/device_record.h"
#include "protocol/device_settings_update.h"
#include "cli/arguments.h"
#include "cli/command.h"

namespace zerin::cli {

const Command& SetDeviceCommand();

// The settings to send: the given options over the record's values. Nothing, with the reason in
// error, when an option's value is malformed or the record lacks a value no option gives.
std::optional<DeviceSettings> DeviceSettingsFrom(const DeviceRecord& record,
                                                 const Arguments& arguments, std::string& error);

}  // namespace zerin::cli
