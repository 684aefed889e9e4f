// Planning the search and finding the devices.
#include "operations/search/device_finder.h"

#include <algorithm>
#include <cctype>

#include "operations/search/search_targets.h"
#include "operations/value_parsers.h"
#include "protocol/device_texts.h"

namespace zerin {

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

// Every adapter that is up, or those named by name or address.
std::vector<NetworkAdapter> ChooseAdapters(const std::vector<NetworkAdapter>& all,
                                           const std::vector<std::string>& wanted,
                                           std::optional<SearchFailure>& failure) {
    for (const std::string& name : wanted) {
        if (std::none_of(all.begin(), all.end(), [&](const auto& a) { return Names(a, name); })) {
            failure = {SearchFailure::kBadOptions,
                       "no adapter " + name + "; the adapters: " + KnownAdapters(all)};
            return {};
        }
    }
    std::vector<NetworkAdapter> chosen;
    std::copy_if(all.begin(), all.end(), std::back_inserter(chosen), [&](const auto& adapter) {
        return wanted.empty() || std::any_of(wanted.begin(), wanted.end(), [&](const auto& name) {
                   return Names(adapter, name);
               });
    });
    if (chosen.empty()) {
        failure = {SearchFailure::kNoAdapterUp, "no network adapter is up"};
    }
    return chosen;
}

// The targets of the options, then the others; nothing, with the failure, when one is not a
// target or there are too many addresses.
std::optional<std::vector<AddressRange>> Targets(const SearchOptions& options,
                                                 const std::vector<AddressRange>& moreTargets,
                                                 std::optional<SearchFailure>& failure) {
    std::vector<AddressRange> targets;
    for (const std::string& text : options.targets) {
        std::string error;
        const auto range = ParseTarget(text, error);
        if (!range) {
            failure = {SearchFailure::kBadOptions, error};
            return std::nullopt;
        }
        targets.push_back(*range);
    }
    targets.insert(targets.end(), moreTargets.begin(), moreTargets.end());
    const uint64_t count = AddressCount(targets);
    if (count > kMaxTargetAddresses) {
        failure = {SearchFailure::kBadOptions,
                   "the targets hold " + std::to_string(count) + " addresses; one run sends to " +
                       std::to_string(kMaxTargetAddresses) + " at most"};
        return std::nullopt;
    }
    return targets;
}

}  // namespace

PlanChoice PlanSearch(const std::vector<NetworkAdapter>& up, const SearchOptions& options,
                      const std::vector<AddressRange>& moreTargets) {
    PlanChoice choice;
    const auto targets = Targets(options, moreTargets, choice.failure);
    if (!targets) {
        return choice;
    }
    choice.plan.targets = *targets;
    choice.plan.sendRate = options.rate;
    choice.plan.windowMs = Milliseconds(options.windowSeconds);
    if (!options.noBroadcast) {
        choice.plan.adapters = ChooseAdapters(up, options.adapters, choice.failure);
    } else if (targets->empty()) {
        choice.failure = {SearchFailure::kBadOptions,
                          "--no-broadcast leaves nothing to send to without a target"};
    }
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

SearchResult FindDevices(SocketLayer& sockets, Reporter& reporter, WideSearchPlan plan,
                         const std::vector<std::string>& wanted) {
    SearchResult result;
    std::vector<std::string> missing = wanted;
    if (!wanted.empty()) {
        plan.complete = [&missing] { return missing.empty(); };
    }
    result.report = SearchWide(sockets, reporter, plan, [&](std::unique_ptr<DeviceRecord> record) {
        missing.erase(
            std::remove_if(missing.begin(), missing.end(),
                           [&](const std::string& name) { return IsNamed(*record, name); }),
            missing.end());
        result.devices.push_back({std::move(record)});
    });
    return result;
}

Lookup LookUpDevice(SocketLayer& sockets, Reporter& reporter, const std::vector<NetworkAdapter>& up,
                    const SearchOptions& options, const std::string& nameOrMac) {
    const PlanChoice choice = PlanSearch(up, options);
    if (choice.failure) {
        return {{}, choice.failure};
    }
    std::vector<FoundDevice> devices =
        FindDevices(sockets, reporter, choice.plan, {nameOrMac}).devices;
    if (FoundDevice* found = DeviceNamed(devices, nameOrMac)) {
        return {std::move(*found), std::nullopt};
    }
    return {{},
            SearchFailure{SearchFailure::kNotFound,
                          "no device named " + nameOrMac + " answered the search"}};
}

}  // namespace zerin
