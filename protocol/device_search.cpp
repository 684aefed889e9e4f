// The search exchange and the reading of search replies.
#include "protocol/device_search.h"

#include <algorithm>
#include <cstring>

#include "protocol/exchange.h"
#include "protocol/packet.h"

namespace zerin {

namespace {

constexpr ExchangeTiming kSearchTiming{0x0202, 20, 100, false};

// Search reply layout.
constexpr size_t kProductCodeOffset = 12;
constexpr size_t kNameOffset = 16;
constexpr size_t kIpAddressOffset = 32;
constexpr size_t kSearchWordOffset = 48;
// Shorter replies would take their name or address from an earlier datagram's bytes.
constexpr size_t kMinimumReplyLength = kIpAddressOffset + 15;
constexpr char kProductCode[] = "0101";

// A TCP socket is bound to the device port and put into listening state for a moment at the
// start of every search; no connection is ever accepted.
bool OpenAndCloseListener(SocketLayer& sockets, Reporter& reporter) {
    const SocketLayer::Handle listener = sockets.OpenTcp();
    if (listener == SocketLayer::kInvalidHandle) {
        reporter.Report("Creating Server socket failed!\n");
        return false;
    }
    sockets.BindAny(listener, kDevicePort);
    sockets.Listen(listener, 5);
    sockets.Close(listener);
    return true;
}

}  // namespace

std::unique_ptr<DeviceRecord> ParseSearchReply(const uint8_t* bytes, size_t length) {
    if (length < kMinimumReplyLength || ReadU16(bytes + kCommandOffset) != CMD_SEARCH ||
        std::memcmp(bytes + kProductCodeOffset, kProductCode, 4) != 0) {
        return nullptr;
    }
    auto record = CreateDeviceRecord();
    std::copy_n(bytes + kMacOffset, record->macAddress.size(), record->macAddress.begin());
    CopyTextField(record->productCode, bytes + kProductCodeOffset);
    CopyTextField(record->ipAddress, bytes + kIpAddressOffset);
    CopyTextField(record->name, bytes + kNameOffset);
    if (length >= kSearchWordOffset + 2) {
        std::memcpy(&record->searchWord, bytes + kSearchWordOffset, 2);
    }
    return record;
}

void SearchDevices(SocketLayer& sockets, Reporter& reporter, const AddDeviceCallback& addDevice) {
    Exchange exchange(sockets, reporter, kSearchTiming);
    if (!exchange.Open() || !OpenAndCloseListener(sockets, reporter)) {
        return;
    }
    exchange.AllowBroadcast();
    sockets.SetReceiveBuffer(exchange.Socket(), kSearchReceiveBufferBytes);
    exchange.Send(CMD_SEARCH);
    exchange.CollectDatagrams([&](const uint8_t* bytes, size_t length) {
        if (auto record = ParseSearchReply(bytes, length)) {
            addDevice(std::move(record));
        }
    });
}

}  // namespace zerin
