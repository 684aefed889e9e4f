// The search exchange: one broadcast search request, and a new device record for every valid
// answer that arrives within the search's polling window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "protocol/device_record.h"
#include "protocol/network_adapter.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"

namespace zerin {

using AddDeviceCallback = std::function<void(std::unique_ptr<DeviceRecord>)>;

// The search's window: 20 empty polls of 100 ms.
constexpr int kSearchWindowMs = 2000;

// Receive buffer asked for, so that a burst of answers from many devices is not dropped.
constexpr int kSearchReceiveBufferBytes = 1 << 20;

// One search request broadcast from an unbound socket, every valid answer handed on as it comes.
void SearchDevices(SocketLayer& sockets, Reporter& reporter, const AddDeviceCallback& addDevice);

// The window's search: through every adapter given, in the window of the search above, after its
// listening socket; by the broadcast above when no adapter is given. Each device is handed on
// once, at its first answer, its record naming the adapter that heard it.
void SearchDevices(SocketLayer& sockets, Reporter& reporter,
                   const std::vector<NetworkAdapter>& adapters, const AddDeviceCallback& addDevice);

// What a search did through one adapter.
struct AdapterSearchReport {
    std::vector<Ipv4Address> sentTo;  // the destinations the system took the request for
    std::vector<MacAddress> heard;    // the MAC of each valid answer, repeats included
};

// The search through several adapters at once, for the command-line tool: the search request goes
// through each adapter, to 255.255.255.255 and to the adapter's directed broadcast address, and
// the answers on all of the sockets are taken within one window, which ends after as many empty
// rounds of polls as the search's waits fill it. Each device is handed on as above. The search
// stops, reported, when a socket cannot be opened; the reports are then empty.
std::vector<AdapterSearchReport> SearchThroughAdapters(SocketLayer& sockets, Reporter& reporter,
                                                       const std::vector<NetworkAdapter>& adapters,
                                                       int windowMs,
                                                       const AddDeviceCallback& addDevice);

// The record for a search reply, or null when the datagram is not a valid search reply.
std::unique_ptr<DeviceRecord> ParseSearchReply(const uint8_t* bytes, size_t length);

}  // namespace zerin
