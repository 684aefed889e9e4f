// The search of the command-line tool: the broadcast through every adapter that is up, or those
// that --adapter names, and a unicast to every address of the targets; each device listed once,
// with the adapter that heard it first or the target address that answered.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

#include "cli/command.h"
#include "protocol/device_record.h"
#include "protocol/network_adapter.h"
#include "protocol/wide_search.h"

namespace zerin::cli {

// A device that answered the search; its record names the adapter that heard it or the address
// that answered.
struct FoundDevice {
    std::unique_ptr<DeviceRecord> record;
};

// Where a search goes and how long it takes answers.
struct SearchOptions {
    std::vector<std::string> adapters;  // names or addresses
    std::vector<std::string> targets;
    int rate = kDefaultSendRate;
    bool noBroadcast = false;
    double windowSeconds = kSearchWindowMs / 1000.0;
};

// --adapter, --target, --rate, --no-broadcast and --window.
void AddSearchOptions(CLI::App& command, SearchOptions& options);

struct PlanChoice {
    WideSearchPlan plan;
    int status;  // kExitDone, or the exit status of the reason there is no search
};

// The search the options ask for, with more targets from elsewhere (apply's file). No search,
// after saying why, when an adapter name is unknown (with the adapters known), the targets hold
// too many addresses or --no-broadcast leaves nothing to send to (bad input), or no adapter is up
// for the broadcast (the network failed).
PlanChoice PlanSearch(CommandContext& context, const SearchOptions& options,
                      const std::vector<AddressRange>& moreTargets = {});

// Whether the device is the one of that name or MAC address text (in any case).
bool IsNamed(const DeviceRecord& device, const std::string& nameOrMac);

// The first device found that IsNamed; null when none.
FoundDevice* DeviceNamed(std::vector<FoundDevice>& devices, const std::string& nameOrMac);

// What a search found, and what it did to find it.
struct SearchResult {
    // Every device that answered within the window, once, in the order of first answers.
    std::vector<FoundDevice> devices;
    WideSearchReport report;
};

// Searches as planned. With names or MAC addresses wanted, the search ends as soon as a device of
// each has answered; else it takes answers for its whole window.
SearchResult FindDevices(CommandContext& context, WideSearchPlan plan,
                         const std::vector<std::string>& wanted = {});

}  // namespace zerin::cli
