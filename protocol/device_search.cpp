// The search exchange and the reading of search replies.
#include "protocol/device_search.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "protocol/exchange.h"
#include "protocol/packet.h"

namespace zerin {

namespace {

constexpr ExchangeTiming kSearchTiming{0x0202, 20, 100, false};
static_assert(kSearchTiming.emptyPollLimit * kSearchTiming.intervalMs == kSearchWindowMs);

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

Route SearchRoute(const NetworkAdapter& adapter) {
    const Ipv4Address broadcast = BroadcastAddress(adapter);
    return {adapter,
            broadcast != adapter.address ? std::optional<Ipv4Address>(broadcast) : std::nullopt};
}

AddDeviceCallback FirstAnswerOfEach(const AddDeviceCallback& addDevice) {
    auto heard = std::make_shared<std::set<MacAddress>>();
    return [heard, addDevice](std::unique_ptr<DeviceRecord> record) {
        if (heard->insert(record->macAddress).second) {
            addDevice(std::move(record));
        }
    };
}

namespace {

// The search through several adapters: one exchange an adapter, all taking answers in one window.
class AdapterSearch {
  public:
    AdapterSearch(SocketLayer& sockets, Reporter& reporter,
                  const std::vector<NetworkAdapter>& adapters, const AddDeviceCallback& addDevice)
        : sockets_(sockets),
          reporter_(reporter),
          adapters_(adapters),
          addDevice_(FirstAnswerOfEach(addDevice)) {}

    // Opens a socket through each adapter; false, reported, when one cannot be opened: a sockets
    // layer that does not start, or a socket that cannot be made, fails every adapter alike.
    bool Open() {
        for (const NetworkAdapter& adapter : adapters_) {
            exchanges_.push_back(std::make_unique<Exchange>(
                sockets_, reporter_, kSearchTiming,
                ExchangeOptions{std::nullopt, false, SearchRoute(adapter)}));
            if (!exchanges_.back()->Open()) {
                exchanges_.clear();
                return false;
            }
        }
        return true;
    }

    void Send() {
        for (const auto& exchange : exchanges_) {
            exchange->AllowBroadcast();
            sockets_.SetReceiveBuffer(exchange->Socket(), kSearchReceiveBufferBytes);
            exchange->Send(CMD_SEARCH);
        }
    }

    // Takes answers until as many rounds of polls as the window's waits found nothing.
    void Collect(int windowMs) {
        const int emptyRounds = WaitsWithin(windowMs, kSearchTiming.intervalMs);
        for (int round = 0; round <= emptyRounds;) {
            if (!TakeWaitingAnswers() && round++ < emptyRounds) {
                sockets_.Sleep(kSearchTiming.intervalMs);
            }
        }
    }

  private:
    // Takes every datagram waiting on any of the sockets; false when none was.
    bool TakeWaitingAnswers() {
        bool any = false;
        for (size_t i = 0; i < exchanges_.size(); ++i) {
            while (const auto length = exchanges_[i]->PollOnce()) {
                any = true;
                if (auto record = ParseSearchReply(exchanges_[i]->Received(), *length)) {
                    record->adapter = adapters_[i];
                    addDevice_(std::move(record));
                }
            }
        }
        return any;
    }

    SocketLayer& sockets_;
    Reporter& reporter_;
    const std::vector<NetworkAdapter>& adapters_;
    AddDeviceCallback addDevice_;
    std::vector<std::unique_ptr<Exchange>> exchanges_;
};

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

void SearchDevices(SocketLayer& sockets, Reporter& reporter,
                   const std::vector<NetworkAdapter>& adapters,
                   const AddDeviceCallback& addDevice) {
    if (adapters.empty()) {
        SearchDevices(sockets, reporter, FirstAnswerOfEach(addDevice));
        return;
    }
    AdapterSearch search(sockets, reporter, adapters, addDevice);
    if (search.Open() && OpenAndCloseListener(sockets, reporter)) {
        search.Send();
        search.Collect(kSearchWindowMs);
    }
}

}  // namespace zerin
