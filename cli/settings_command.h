// The common course of set-device and set-network: find the device, run its detail queries so
// that what the options leave out keeps the value the device reports, build the settings from
// the options over that record, and send them.
#pragma once

#include <optional>
#include <string>

#include "protocol/device_details.h"
#include "protocol/device_record.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/device_lookup.h"

namespace zerin::cli {

// Builds the settings, or gives nothing with the reason in error.
template <typename Settings>
using SettingsBuilder = std::optional<Settings> (*)(const DeviceRecord& record,
                                                    const Arguments& arguments, std::string& error);

// Sends the settings, prints the outcome and gives the exit status.
template <typename Settings>
using SettingsSender = int (*)(CommandContext& context, const DeviceRecord& record,
                               const Settings& settings);

template <typename Settings>
int RunSettingsCommand(const Arguments& arguments, CommandContext& context,
                       SettingsBuilder<Settings> build, SettingsSender<Settings> send) {
    auto record = LookUpDevice(context, arguments.positional[0]);
    if (!record) {
        return kExitUsage;
    }
    if (!QueryDeviceDetails(context.sockets, context.reporter, *record).opened) {
        return kExitFailure;
    }
    std::string error;
    const std::optional<Settings> settings = build(*record, arguments, error);
    if (!settings) {
        context.err << "zerin-cli: " << error << '\n';
        return kExitUsage;
    }
    return send(context, *record, *settings);
}

}  // namespace zerin::cli
