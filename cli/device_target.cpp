// Finding the device a command names.
#include "cli/device_target.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "cli/exit_status.h"
#include "protocol/device_texts.h"

namespace zerin::cli {

namespace {

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

void AddDeviceTarget(CLI::App& command, DeviceTarget& target) {
    command.add_option("DEVICE", target.device, "the device's name or MAC address")->required();
    AddAdapterOption(command, target.adapters);
    command
        .add_option("--timeout", target.timeoutSeconds,
                    "seconds to wait for each reply; the first unanswered request ends the work "
                    "with the device")
        ->type_name("SECONDS")
        ->capture_default_str()
        ->check(CLI::Range(0.1, 3600.0).description(""));
    command.add_flag("--json", target.json, "print JSON");
}

ExchangeOptions ExchangeOptionsOf(const DeviceTarget& target, const NetworkAdapter& adapter) {
    return {static_cast<int>(std::lround(target.timeoutSeconds * 1000)), true,
            Route{adapter.address, std::nullopt}};
}

Lookup LookUpDevice(CommandContext& context, const DeviceTarget& target) {
    const AdapterChoice choice = ChooseAdapters(context, target.adapters);
    if (choice.status != kExitDone) {
        return {{}, choice.status};
    }
    std::vector<FoundDevice> devices = FindDevices(context, choice.adapters, kSearchWindowMs);
    const std::string mac = LowerCase(target.device);
    const auto found = std::find_if(devices.begin(), devices.end(), [&](const FoundDevice& d) {
        return d.record->name == target.device || FormatMacAddress(d.record->macAddress) == mac;
    });
    if (found != devices.end()) {
        return {std::move(*found), kExitDone};
    }
    if (!context.sockets.Failure()) {
        Say(context, "no device named " + target.device + " answered the search");
    }
    return {{}, kExitBadInput};
}

}  // namespace zerin::cli
