// Finding the device a command names.
#include "cli/device_target.h"

#include "cli/exit_status.h"
#include "cli/value_parsers.h"

namespace zerin::cli {

void AddDeviceTarget(CLI::App& command, DeviceTarget& target) {
    command.add_option("DEVICE", target.device, "the device's name or MAC address")->required();
    AddAdapterOption(command, target.adapters);
    AddTimeoutOption(command, target.timeoutSeconds);
    command.add_flag("--json", target.json, "print JSON");
}

void AddTimeoutOption(CLI::App& command, double& seconds) {
    command
        .add_option("--timeout", seconds,
                    "seconds to wait for each reply; the first unanswered request ends the work "
                    "with the device")
        ->type_name("SECONDS")
        ->capture_default_str()
        ->check(CLI::Range(0.1, 3600.0).description(""));
}

ExchangeOptions ExchangeOptionsOf(int timeoutMs, const DeviceRecord& device) {
    ExchangeOptions options = TowardsDevice(device);
    options.replyTimeoutMs = timeoutMs;
    options.stopWhenUnanswered = true;
    return options;
}

ExchangeOptions ExchangeOptionsOf(const DeviceTarget& target, const DeviceRecord& device) {
    return ExchangeOptionsOf(Milliseconds(target.timeoutSeconds), device);
}

Lookup LookUpDevice(CommandContext& context, const DeviceTarget& target) {
    const AdapterChoice choice = ChooseAdapters(context, target.adapters);
    if (choice.status != kExitDone) {
        return {{}, choice.status};
    }
    std::vector<FoundDevice> devices =
        FindDevices(context, choice.adapters, kSearchWindowMs).devices;
    if (FoundDevice* found = DeviceNamed(devices, target.device)) {
        return {std::move(*found), kExitDone};
    }
    if (!context.sockets.Failure()) {
        Say(context, "no device named " + target.device + " answered the search");
    }
    return {{}, kExitBadInput};
}

}  // namespace zerin::cli
