// Planning the search and finding the devices.
#include "cli/device_finder.h"

#include <algorithm>
#include <cctype>

#include "cli/exit_status.h"
#include "cli/search_targets.h"
#include "cli/value_parsers.h"
#include "protocol/device_texts.h"

namespace zerin::cli {

namespace {

bool Names(const NetworkAdapter& adapter, const std::string& wanted) {
    return adapter.name == wanted || FormatIpv4(adapter.address) == wanted;
}

std::string KnownAdapters(const std::vector<NetworkAdapter>& adapters) {
    std::string known;
    for (const NetworkAdapter& adapter : adapters) {
        known +=
            (known.empty() ? "" : ", ") + adapter.name + " (" + FormatIpv4(adapter.address) + ")";
    }
    return known.empty() ? "none is up" : known;
}

struct AdapterChoice {
    std::vector<NetworkAdapter> adapters;
    int status;
};

// Every adapter that is up, or those named by name or address.
AdapterChoice ChooseAdapters(CommandContext& context, const std::vector<std::string>& wanted) {
    const std::vector<NetworkAdapter> all = context.adapters.List();
    std::vector<NetworkAdapter> chosen;
    for (const std::string& name : wanted) {
        if (std::none_of(all.begin(), all.end(), [&](const auto& a) { return Names(a, name); })) {
            Say(context, "no adapter " + name + "; the adapters: " + KnownAdapters(all));
            return {{}, kExitBadInput};
        }
    }
    std::copy_if(all.begin(), all.end(), std::back_inserter(chosen), [&](const auto& adapter) {
        return wanted.empty() || std::any_of(wanted.begin(), wanted.end(), [&](const auto& name) {
                   return Names(adapter, name);
               });
    });
    if (chosen.empty()) {
        Say(context, "no network adapter is up");
        return {{}, kExitNetworkFailed};
    }
    return {chosen, kExitDone};
}

// The targets of the command line, then the others; nothing, after saying why, when one is not a
// target or there are too many addresses.
std::optional<std::vector<AddressRange>> Targets(CommandContext& context,
                                                 const SearchOptions& options,
                                                 const std::vector<AddressRange>& moreTargets) {
    std::vector<AddressRange> targets;
    for (const std::string& text : options.targets) {
        std::string error;
        const auto range = ParseTarget(text, error);
        if (!range) {
            Say(context, error);
            return std::nullopt;
        }
        targets.push_back(*range);
    }
    targets.insert(targets.end(), moreTargets.begin(), moreTargets.end());
    const uint64_t count = AddressCount(targets);
    if (count > kMaxTargetAddresses) {
        Say(context, "the targets hold " + std::to_string(count) + " addresses; one run sends to " +
                         std::to_string(kMaxTargetAddresses) + " at most");
        return std::nullopt;
    }
    return targets;
}

}  // namespace

void AddSearchOptions(CLI::App& command, SearchOptions& options) {
    CLI::Option* adapter =
        command
            .add_option("--adapter", options.adapters,
                        "broadcast only through this adapter, by name or address (repeatable)")
            ->type_name("NAME|ADDRESS");
    command
        .add_option("--target", options.targets,
                    "search also by unicast to an address, a block or a range, such as a network "
                    "behind a router (repeatable; 65536 addresses at most)")
        ->type_name("ADDRESS|CIDR|FIRST-LAST")
        ->check(CLI::Validator(
            [](std::string& text) {
                std::string error;
                return ParseTarget(text, error) ? std::string() : error;
            },
            ""));
    command.add_option("--rate", options.rate, "unicasts a second at most to the targets")
        ->type_name("N")
        ->capture_default_str()
        ->check(CLI::Range(1, 1000000).description(""));
    command
        .add_flag("--no-broadcast", options.noBroadcast,
                  "send only to the targets, no broadcast through the adapters")
        ->excludes(adapter);
    command
        .add_option("--window", options.windowSeconds,
                    "seconds the search takes answers after its first sends, at most")
        ->type_name("SECONDS")
        ->capture_default_str()
        ->check(CLI::Range(0.1, 3600.0).description(""));
}

PlanChoice PlanSearch(CommandContext& context, const SearchOptions& options,
                      const std::vector<AddressRange>& moreTargets) {
    PlanChoice choice{{}, kExitBadInput};
    const auto targets = Targets(context, options, moreTargets);
    if (!targets) {
        return choice;
    }
    choice.plan.targets = *targets;
    choice.plan.sendRate = options.rate;
    choice.plan.windowMs = Milliseconds(options.windowSeconds);
    if (options.noBroadcast) {
        if (targets->empty()) {
            Say(context, "--no-broadcast leaves nothing to send to without a target");
            return choice;
        }
        choice.status = kExitDone;
        return choice;
    }
    AdapterChoice adapters = ChooseAdapters(context, options.adapters);
    choice.plan.adapters = std::move(adapters.adapters);
    choice.status = adapters.status;
    return choice;
}

bool IsNamed(const DeviceRecord& device, const std::string& nameOrMac) {
    std::string mac = nameOrMac;
    std::transform(mac.begin(), mac.end(), mac.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return device.name == nameOrMac || FormatMacAddress(device.macAddress) == mac;
}

FoundDevice* DeviceNamed(std::vector<FoundDevice>& devices, const std::string& nameOrMac) {
    for (FoundDevice& device : devices) {
        if (IsNamed(*device.record, nameOrMac)) {
            return &device;
        }
    }
    return nullptr;
}

SearchResult FindDevices(CommandContext& context, WideSearchPlan plan,
                         const std::vector<std::string>& wanted) {
    SearchResult result;
    std::vector<std::string> missing = wanted;
    if (!wanted.empty()) {
        plan.complete = [&missing] { return missing.empty(); };
    }
    result.report = SearchWide(
        context.sockets, context.reporter, plan, [&](std::unique_ptr<DeviceRecord> record) {
            missing.erase(
                std::remove_if(missing.begin(), missing.end(),
                               [&](const std::string& name) { return IsNamed(*record, name); }),
                missing.end());
            result.devices.push_back({std::move(record)});
        });
    return result;
}

}  // namespace zerin::cli
