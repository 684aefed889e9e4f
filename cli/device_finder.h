// The search of the command-line tool: through every adapter that is up, or those that --adapter
// names, each device listed once with the adapter that heard it first.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

#include "cli/command.h"
#include "protocol/device_record.h"
#include "protocol/device_search.h"
#include "protocol/network_adapter.h"

namespace zerin::cli {

// A device that answered the search; its record names the adapter that heard it.
struct FoundDevice {
    std::unique_ptr<DeviceRecord> record;
};

// --adapter NAME|ADDRESS, repeatable.
void AddAdapterOption(CLI::App& command, std::vector<std::string>& wanted);

struct AdapterChoice {
    std::vector<NetworkAdapter> adapters;
    int status;  // kExitDone, or the exit status of the reason there are none
};

// The adapters a search goes through: every adapter that is up, or those named by name or
// address. None, after saying why, when a name is unknown (with the adapters known: bad input) or
// no adapter is up (the network failed).
AdapterChoice ChooseAdapters(CommandContext& context, const std::vector<std::string>& wanted);

// The device of that name or MAC address text (in any case) among those found; null when none.
FoundDevice* DeviceNamed(std::vector<FoundDevice>& devices, const std::string& nameOrMac);

// What a search found, and what it did to find it.
struct SearchResult {
    // Every device that answered within the window, once, in the order of first answers.
    std::vector<FoundDevice> devices;
    // What the search did through each adapter; none when it could not be sent.
    std::vector<AdapterSearchReport> reports;
};

// Searches through the adapters for the window's length.
SearchResult FindDevices(CommandContext& context, const std::vector<NetworkAdapter>& adapters,
                         int windowMs);

}  // namespace zerin::cli
