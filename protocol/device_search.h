// The search exchange: one broadcast search request, and a new device record for every valid
// answer that arrives within the search's polling window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "protocol/device_record.h"
#include "protocol/exchange.h"
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

// The record for a search reply, or null when the datagram is not a valid search reply.
std::unique_ptr<DeviceRecord> ParseSearchReply(const uint8_t* bytes, size_t length);

// Through the adapter, to its directed broadcast too unless that is its own address (a /32).
Route SearchRoute(const NetworkAdapter& adapter);

// Hands on the first answer of each device only, by its MAC.
AddDeviceCallback FirstAnswerOfEach(const AddDeviceCallback& addDevice);

}  // namespace zerin
