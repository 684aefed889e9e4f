// The search of the operations: the broadcast through every adapter that is up, or those named,
// and a unicast to every address of the targets; each device listed once, with the adapter that
// heard it first or the target address that answered; and the lookup of a device by name or MAC.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "protocol/device_record.h"
#include "protocol/network_adapter.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"
#include "protocol/wide_search.h"

namespace zerin {

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

// Why a search did not go out, or did not find the device it looked for.
struct SearchFailure {
    enum Kind {
        kBadOptions,   // an unknown adapter, a bad target, too many addresses, nothing to send to
        kNoAdapterUp,  // no adapter for the broadcast
        kNotFound,     // no device of the name or MAC address answered
    } kind;
    std::string reason;  // "no adapter eth9; the adapters: eth0 (198.51.100.1)", ...
};

struct PlanChoice {
    WideSearchPlan plan;
    std::optional<SearchFailure> failure;  // set when there is no search
};

// The search the options ask for through the adapters that are up, with more targets from
// elsewhere (apply's file).
PlanChoice PlanSearch(const std::vector<NetworkAdapter>& up, const SearchOptions& options,
                      const std::vector<AddressRange>& moreTargets = {});

// How long a search for a device by name goes on after it answered, for another of that name.
constexpr int kSameNameSettleMs = 100;

// A MAC address in any common form: 02:5a:00:00:00:10, 02-5A-00-00-00-10, 025a.0000.0010 or
// 025a00000010, in any case.
std::optional<MacAddress> ParseMacAddress(const std::string& text);

// Whether the device is the one of that MAC address, in any of its forms, or name, in any case.
bool IsNamed(const DeviceRecord& device, const std::string& nameOrMac);

// The devices found that IsNamed, in the order they answered.
std::vector<FoundDevice*> DevicesNamed(std::vector<FoundDevice>& devices,
                                       const std::string& nameOrMac);

// "2 devices are named NAME: MAC at IP, MAC at IP; name one by its MAC address".
std::string SameName(const std::vector<FoundDevice*>& devices, const std::string& name);

// What a search found, and what it did to find it.
struct SearchResult {
    // Every device that answered within the window, once, in the order of first answers.
    std::vector<FoundDevice> devices;
    WideSearchReport report;
};

// Searches as planned. With names or MAC addresses wanted, the search ends as soon as a device of
// each has answered, a name's settle time after; else it takes answers for its whole window.
SearchResult FindDevices(SocketLayer& sockets, Reporter& reporter, WideSearchPlan plan,
                         const std::vector<std::string>& wanted = {});

struct Lookup {
    FoundDevice found;                     // no record when not found
    std::optional<SearchFailure> failure;  // set when not found
};

// The device of the name or MAC address wanted, by a search that ends when it has answered; two
// devices of the name are bad options, listed.
Lookup LookUpDevice(SocketLayer& sockets, Reporter& reporter, const std::vector<NetworkAdapter>& up,
                    const SearchOptions& options, const std::string& nameOrMac);

}  // namespace zerin
