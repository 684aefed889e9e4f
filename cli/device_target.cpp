// Finding the device a command names.
#include "cli/device_target.h"

#include "cli/exit_status.h"
#include "cli/value_parsers.h"

namespace zerin::cli {

void AddDeviceTarget(CLI::App& command, DeviceTarget& target) {
    command.add_option("DEVICE", target.device, "the device's name or MAC address")->required();
    AddSearchOptions(command, target.search);
    AddTimeoutOptions(command, target.timeoutSeconds, target.retries);
    command.add_flag("--json", target.json, "print JSON");
}

void AddTimeoutOptions(CLI::App& command, double& seconds, int& retries) {
    command
        .add_option("--timeout", seconds,
                    "seconds to wait for a reply to each send of a request; the first request "
                    "left unanswered ends the work with the device")
        ->type_name("SECONDS")
        ->capture_default_str()
        ->check(CLI::Range(0.1, 3600.0).description(""));
    command
        .add_option("--retries", retries,
                    "how often a request left unanswered is sent again, 0 for never: one request "
                    "waits at most (N + 1) x --timeout")
        ->type_name("N")
        ->capture_default_str()
        ->check(CLI::Range(0, 10).description(""));
}

ExchangeOptions ExchangeOptionsOf(int timeoutMs, int retries, const DeviceRecord& device) {
    ExchangeOptions options = TowardsDevice(device);
    options.replyTimeoutMs = timeoutMs;
    options.stopWhenUnanswered = true;
    options.retries = retries;
    return options;
}

ExchangeOptions ExchangeOptionsOf(const DeviceTarget& target, const DeviceRecord& device) {
    return ExchangeOptionsOf(Milliseconds(target.timeoutSeconds), target.retries, device);
}

Lookup LookUpDevice(CommandContext& context, const DeviceTarget& target) {
    const PlanChoice choice = PlanSearch(context, target.search);
    if (choice.status != kExitDone) {
        return {{}, choice.status};
    }
    std::vector<FoundDevice> devices = FindDevices(context, choice.plan, {target.device}).devices;
    if (FoundDevice* found = DeviceNamed(devices, target.device)) {
        return {std::move(*found), kExitDone};
    }
    if (!context.sockets.Failure()) {
        Say(context, "no device named " + target.device + " answered the search");
    }
    return {{}, kExitBadInput};
}

}  // namespace zerin::cli
