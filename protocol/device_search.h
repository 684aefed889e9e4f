// The search exchange: one broadcast search request, and a new device record for every valid
// answer that arrives within the search's polling window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "protocol/device_record.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"

namespace zerin {

using AddDeviceCallback = std::function<void(std::unique_ptr<DeviceRecord>)>;

// Receive buffer asked for, so that a burst of answers from many devices is not dropped.
constexpr int kSearchReceiveBufferBytes = 1 << 20;

void SearchDevices(SocketLayer& sockets, Reporter& reporter, const AddDeviceCallback& addDevice);

// The record for a search reply, or null when the datagram is not a valid search reply.
std::unique_ptr<DeviceRecord> ParseSearchReply(const uint8_t* bytes, size_t length);

}  // namespace zerin
