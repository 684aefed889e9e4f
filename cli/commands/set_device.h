// `zerin-cli set-device DEVICE [--description TEXT] [--clock now|"YYYY-MM-DD HH:MM:SS"]
// [--date YYYY-MM-DD] [--time HH:MM:SS] [--timezone INDEX|NAME|none] [--ask-password yes|no]`:
// writes what differs of a device's general settings; what is not given keeps the value the
// device reports.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/command.h"
#include "operations/fleet/fleet_file.h"
#include "protocol/device_record.h"

namespace zerin::cli {

// The options' values, each checked as the command line is read.
struct DeviceSettingsOptions {
    std::optional<std::string> description;
    std::optional<std::string> date;
    std::optional<std::string> time;
    std::optional<std::string> timeZone;
    std::optional<std::string> askPassword;  // yes, no, true or false
    std::optional<std::string> clock;        // "now" or "YYYY-MM-DD HH:MM:SS"
};

std::unique_ptr<Command> MakeSetDeviceCommand();

// The settings the options give: --date or --time alone with the other half of the device's
// clock. Nothing, with the reason in error, when that half does not read.
std::optional<FleetSettings> DeviceSettingsFrom(const DeviceRecord& record,
                                                const DeviceSettingsOptions& options,
                                                std::string& error);

}  // namespace zerin::cli
