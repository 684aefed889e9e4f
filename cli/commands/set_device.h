// `zerin-cli set-device DEVICE [--description TEXT] [--date YYYY-MM-DD] [--time HH:MM:SS]
// [--timezone INDEX|none] [--ask-password yes|no]`: writes a device's general settings; what is
// not given keeps the value the device reports.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/command.h"
#include "protocol/device_record.h"
#include "protocol/device_settings_update.h"

namespace zerin::cli {

// The options' values, each checked as the command line is read.
struct DeviceSettingsOptions {
    std::optional<std::string> description;
    std::optional<std::string> date;
    std::optional<std::string> time;
    std::optional<std::string> timeZone;
    std::optional<std::string> askPassword;  // yes or no
};

std::unique_ptr<Command> MakeSetDeviceCommand();

// The settings to send: the given options over the record's values. Nothing, with the reason in
// error, when the record lacks a value that no option gives.
std::optional<DeviceSettings> DeviceSettingsFrom(const DeviceRecord& record,
                                                 const DeviceSettingsOptions& options,
                                                 std::string& error);

}  // namespace zerin::cli
