// The command-line tool's search: the broadcast through each adapter and a unicast to each
// address of the targets, for devices behind routers, every request sent twice against lost
// datagrams, and the answers of a burst taken as they come.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "protocol/device_search.h"
#include "protocol/network_adapter.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"

namespace zerin {

// The addresses first to last, both included.
struct AddressRange {
    Ipv4Address first = 0;
    Ipv4Address last = 0;
};

// How many addresses the ranges hold, each counted once.
uint64_t AddressCount(const std::vector<AddressRange>& ranges);

constexpr int kDefaultSendRate = 2000;  // unicasts a second
// Asked for on every socket, so that a burst of thousands of answers is not dropped.
constexpr int kWideSearchReceiveBufferBytes = 4 << 20;

struct WideSearchPlan {
    std::vector<NetworkAdapter> adapters;  // the broadcast goes through each
    std::vector<AddressRange> targets;     // a unicast goes to each address, paced
    int sendRate = kDefaultSendRate;       // unicasts a second at most
    int windowMs = kSearchWindowMs;        // from the last send of the first round
    // When given, asked after every new device: true once the search has all it looks for, which
    // ends it at once.
    std::function<bool()> complete;
};

// What a search did through one adapter.
struct AdapterSearchReport {
    std::vector<Ipv4Address> sentTo;  // the destinations the system took the first request for
    std::vector<MacAddress> heard;    // the MAC of each valid answer, repeats included
};

// What the search sent to its targets and who answered.
struct TargetSearchReport {
    uint64_t sent = 0;  // unicasts taken by the system, both rounds
    std::vector<std::pair<Ipv4Address, MacAddress>> heard;  // each valid answer's sender and MAC
};

struct WideSearchReport {
    bool opened = false;                        // false when a socket could not be opened
    std::vector<AdapterSearchReport> adapters;  // one an adapter, in the plan's order
    TargetSearchReport targets;
    int receiveBufferBytes = 0;  // the least any socket was granted
};

// The request goes out in two rounds: through every adapter to 255.255.255.255 and the adapter's
// directed broadcast, then to every target address at the plan's rate; the window starts when the
// first round has gone. A quarter of the way in, the second round sends again, to the target
// addresses that have not answered. The window ends at its length, or three quarters of it after
// the second round's last send when that is later. Between sends and waits every socket is
// drained, each wait lasting until one is readable. Each device is handed on once, at its first
// answer: its record names the adapter that heard it, or the target address that answered. A
// socket that cannot be opened stops the search, reported, before anything is sent.
WideSearchReport SearchWide(SocketLayer& sockets, Reporter& reporter, const WideSearchPlan& plan,
                            const AddDeviceCallback& addDevice);

}  // namespace zerin
