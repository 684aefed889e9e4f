// The bytes of every reply a simulated device sends, each field at the offset the client reads it
// from; bytes the client does not read are zero.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/devsim/device_state.h"

namespace zerin::devsim {

using Datagram = std::vector<uint8_t>;

// Identity for a search: MAC, product code, name, IP address and search word; 50 bytes.
Datagram BuildSearchReply(const DeviceState& device);

// Product code, firmware, password flag, name, description, date, time and time zone; 116 bytes.
Datagram BuildDeviceInfoReply(const DeviceState& device);

// IP status and the five addresses; 88 bytes.
Datagram BuildNetworkInfoReply(const DeviceState& device);

// The number of shares as a 16-bit number; 14 bytes.
Datagram BuildShareCountReply(const DeviceState& device);

// Page index, entry count and up to 20 share names in 36-byte entries; empty past the last share.
Datagram BuildShareListReply(const DeviceState& device, uint8_t page);

// Entry count and one 68-byte entry per USB share.
Datagram BuildUsbInfoReply(const DeviceState& device);

// A bare header: the answer to verify and to the set requests, and the stray datagram.
Datagram BuildStatusReply(const DeviceState& device, uint16_t command, uint16_t status);

// Overwrites the product code of a search or device info reply, which both carry it at 12.
void ReplaceProductCode(Datagram& reply, const std::string& productCode);

}  // namespace zerin::devsim
