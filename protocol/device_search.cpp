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

namespace {

// Through the adapter to its directed broadcast too, unless that is its own address (a /32).
Route SearchRoute(const NetworkAdapter& adapter) {
    const Ipv4Address broadcast = BroadcastAddress(adapter);
    return {adapter.address,
            broadcast != adapter.address ? std::optional<Ipv4Address>(broadcast) : std::nullopt};
}

// One exchange an adapter, its search request sent; null for an adapter whose socket failed.
std::vector<std::unique_ptr<Exchange>> SendThroughAdapters(
    SocketLayer& sockets, Reporter& reporter, const std::vector<NetworkAdapter>& adapters) {
    std::vector<std::unique_ptr<Exchange>> exchanges;
    for (const NetworkAdapter& adapter : adapters) {
        auto exchange =
            std::make_unique<Exchange>(sockets, reporter, kSearchTiming,
                                       ExchangeOptions{std::nullopt, false, SearchRoute(adapter)});
        if (!exchange->OpenForBroadcast()) {
            exchange.reset();
        } else {
            sockets.SetReceiveBuffer(exchange->Socket(), kSearchReceiveBufferBytes);
            exchange->Send(CMD_SEARCH);
        }
        exchanges.push_back(std::move(exchange));
    }
    return exchanges;
}

// Takes every datagram waiting on any of the sockets; false when none was.
bool TakeWaitingAnswers(const std::vector<std::unique_ptr<Exchange>>& exchanges,
                        const AddAnswerCallback& addAnswer) {
    bool any = false;
    for (size_t i = 0; i < exchanges.size(); ++i) {
        while (const auto length = exchanges[i] ? exchanges[i]->PollOnce() : std::nullopt) {
            any = true;
            if (auto record = ParseSearchReply(exchanges[i]->Received(), *length)) {
                addAnswer(std::move(record), i);
            }
        }
    }
    return any;
}

}  // namespace

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

void SearchThroughAdapters(SocketLayer& sockets, Reporter& reporter,
                           const std::vector<NetworkAdapter>& adapters, int windowMs,
                           const AddAnswerCallback& addAnswer) {
    const auto exchanges = SendThroughAdapters(sockets, reporter, adapters);
    const int emptyRounds = WaitsWithin(windowMs, kSearchTiming.intervalMs);
    for (int round = 0; round <= emptyRounds;) {
        if (!TakeWaitingAnswers(exchanges, addAnswer) && round++ < emptyRounds) {
            sockets.Sleep(kSearchTiming.intervalMs);
        }
    }
}

}  // namespace zerin
