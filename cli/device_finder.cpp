// Choosing the adapters and finding the devices behind them.
#include "cli/device_finder.h"

#include <algorithm>
#include <cctype>

#include "cli/exit_status.h"
#include "protocol/device_search.h"
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

}  // namespace

void AddAdapterOption(CLI::App& command, std::vector<std::string>& wanted) {
    command
        .add_option("--adapter", wanted,
                    "search only through this adapter, by name or address (repeatable)")
        ->type_name("NAME|ADDRESS");
}

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

FoundDevice* DeviceNamed(std::vector<FoundDevice>& devices, const std::string& nameOrMac) {
    std::string mac = nameOrMac;
    std::transform(mac.begin(), mac.end(), mac.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (FoundDevice& device : devices) {
        if (device.record->name == nameOrMac ||
            FormatMacAddress(device.record->macAddress) == mac) {
            return &device;
        }
    }
    return nullptr;
}

SearchResult FindDevices(CommandContext& context, const std::vector<NetworkAdapter>& adapters,
                         int windowMs) {
    SearchResult result;
    result.reports = SearchThroughAdapters(context.sockets, context.reporter, adapters, windowMs,
                                           [&](std::unique_ptr<DeviceRecord> record) {
                                               result.devices.push_back({std::move(record)});
                                           });
    return result;
}

}  // namespace zerin::cli
