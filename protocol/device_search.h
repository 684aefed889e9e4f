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

// Receive buffer asked for, so that a burst of answers from many devices is not dropped.
constexpr int kSearchReceiveBufferBytes = 1 << 20;

void SearchDevices(SocketLayer& sockets, Reporter& reporter, const AddDeviceCallback& addDevice);

// The search through several adapters at once, for the command-line tool: the search request goes
// through each adapter, to 255.255.255.255 from a socket bound to the adapter's address and to the
// adapter's directed broadcast address, and every valid answer on any of the sockets within the
// window is handed on with the index of the adapter that heard it. The window ends after as many
// empty rounds of polls as the search's waits fill it.
using AddAnswerCallback = std::function<void(std::unique_ptr<DeviceRecord>, size_t adapter)>;
void SearchThroughAdapters(SocketLayer& sockets, Reporter& reporter,
                           const std::vector<NetworkAdapter>& adapters, int windowMs,
                           const AddAnswerCallback& addAnswer);

// The record for a search reply, or null when the datagram is not a valid search reply.
std::unique_ptr<DeviceRecord> ParseSearchReply(const uint8_t* bytes, size_t length);

}  // namespace zerin
