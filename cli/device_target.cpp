// Finding the device a command names.
#include "cli/device_target.h"

#include "cli/exit_status.h"
#include "cli/option_checks.h"
#include "cli/search_options.h"
#include "operations/value_parsers.h"

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
        ->check(SecondsCheck(0.1, 3600));
    command
        .add_option("--retries", retries,
                    "how often a request left unanswered is sent again, 0 for never: one request "
                    "waits at most (N + 1) x --timeout")
        ->type_name("N")
        ->capture_default_str()
        ->check(WholeNumberCheck(0, 10));
}

Waits WaitsOf(double timeoutSeconds, int retries) {
    return {Milliseconds(timeoutSeconds), retries};
}

Waits WaitsOf(const DeviceTarget& target) {
    return WaitsOf(target.timeoutSeconds, target.retries);
}

TargetLookup FindTarget(CommandContext& context, const DeviceTarget& target) {
    Lookup lookup = LookUpDevice(context.sockets, context.reporter, context.adapters.List(),
                                 target.search, target.device);
    if (lookup.failure) {
        return {{}, SayFailure(context, *lookup.failure)};
    }
    return {std::move(lookup.found), kExitDone};
}

}  // namespace zerin::cli
