// The request and poll loop shared by every exchange with the devices.
#include "protocol/exchange.h"

#include <algorithm>

namespace zerin {

const char* const kNetworkFailedMessage = "Network communication failed with error %d\n";

namespace {

const char* const kCleanupFailedMessage = "WSACleanup failed with error %d\n";

// The timing with as many waits of its interval as the caller's timeout takes, rounded up.
ExchangeTiming WithReplyTimeout(ExchangeTiming timing, std::optional<int> timeoutMs) {
    if (timeoutMs) {
        timing.emptyPollLimit = WaitsWithin(*timeoutMs, timing.intervalMs);
    }
    return timing;
}

}  // namespace

ExchangeOptions TowardsDevice(const DeviceRecord& device) {
    ExchangeOptions options;
    if (device.adapter) {
        options.route = Route{*device.adapter, std::nullopt};
    }
    options.unicastTo = device.via;
    return options;
}

int WaitsWithin(int timeMs, int intervalMs) {
    return (std::max(timeMs, 0) + intervalMs - 1) / intervalMs;
}

Exchange::Exchange(SocketLayer& sockets, Reporter& reporter, const ExchangeTiming& timing,
                   const ExchangeOptions& options)
    : sockets_(sockets),
      reporter_(reporter),
      timing_(WithReplyTimeout(timing, options.replyTimeoutMs)),
      stopWhenUnanswered_(options.stopWhenUnanswered),
      route_(options.route),
      retries_(options.retries),
      unicastTo_(options.unicastTo) {}

Exchange::~Exchange() {
    if (socket_ != SocketLayer::kInvalidHandle) {
        sockets_.Close(socket_);
    }
    if (started_ && sockets_.Cleanup() == SocketLayer::kSocketError) {
        reporter_.Report(FormatMessage(kCleanupFailedMessage, sockets_.LastError()));
    }
}

bool Exchange::Open() {
    const int error = sockets_.Startup(timing_.socketsVersion).error;
    if (error != 0) {
        reporter_.Report(FormatMessage(kNetworkFailedMessage, error));
        return false;
    }
    started_ = true;
    socket_ = sockets_.OpenUdp();
    if (socket_ == SocketLayer::kInvalidHandle) {
        reporter_.Report(FormatMessage(kNetworkFailedMessage, 0));
        return false;
    }
    sockets_.SetNonBlocking(socket_);
    if (route_) {
        sockets_.BindToAdapter(socket_, route_->adapter);
    }
    return true;
}

void Exchange::AllowBroadcast() {
    if (!sockets_.EnableBroadcast(socket_)) {
        reporter_.Report(FormatMessage(kNetworkFailedMessage, -1));
    }
}

bool Exchange::OpenForBroadcast() {
    if (!Open()) {
        return false;
    }
    AllowBroadcast();
    return true;
}

void Exchange::SetTarget(const MacAddress& mac) {
    std::copy(mac.begin(), mac.end(), sendBuffer_ + kMacOffset);
}

size_t Exchange::Build(uint16_t command, const uint8_t* payload, uint16_t payloadLength) {
    WriteU16(sendBuffer_ + kCommandOffset, command);
    WriteU16(sendBuffer_ + kPayloadLengthOffset, payloadLength);
    std::copy_n(payload, payloadLength, sendBuffer_ + kHeaderSize);
    return kHeaderSize + payloadLength;
}

bool Exchange::SendTo(Ipv4Address address, uint16_t command) {
    return sockets_.SendTo(socket_, sendBuffer_, Build(command, nullptr, 0), address,
                           kDevicePort) == 0;
}

std::vector<Ipv4Address> Exchange::Send(uint16_t command, const uint8_t* payload,
                                        uint16_t payloadLength) {
    const size_t length = Build(command, payload, payloadLength);
    std::vector<Ipv4Address> taken;
    if (unicastTo_) {
        if (sockets_.SendTo(socket_, sendBuffer_, length, *unicastTo_, kDevicePort) == 0) {
            taken.push_back(*unicastTo_);
        }
        return taken;
    }
    if (sockets_.SendBroadcast(socket_, sendBuffer_, length, kDevicePort) == 0) {
        taken.push_back(kLimitedBroadcast);
    }
    const auto directed = route_ ? route_->directedBroadcast : std::nullopt;
    if (directed && sockets_.SendTo(socket_, sendBuffer_, length, *directed, kDevicePort) == 0) {
        taken.push_back(*directed);
    }
    return taken;
}

std::optional<size_t> Exchange::PollOnce() {
    const int length = sockets_.Receive(socket_, received_, sizeof received_, receivedFrom_);
    if (length == SocketLayer::kSocketError) {
        return std::nullopt;
    }
    return static_cast<size_t>(length);
}

void Exchange::WaitAfterEmptyPoll() {
    if (timing_.waitForReadable) {
        sockets_.WaitReadable({socket_}, timing_.intervalMs);
    } else {
        sockets_.Sleep(timing_.intervalMs);
    }
}

std::optional<size_t> Exchange::AwaitDatagram() {
    for (int emptyPolls = 0;; ++emptyPolls) {
        if (auto length = PollOnce()) {
            return length;
        }
        if (emptyPolls == timing_.emptyPollLimit) {
            return std::nullopt;
        }
        WaitAfterEmptyPoll();
    }
}

void Exchange::DropWaitingDatagrams() {
    while (PollOnce()) {
    }
}

std::optional<size_t> Exchange::SendAndAwait(uint16_t command, const uint8_t* payload,
                                             uint16_t payloadLength, bool ownOnly) {
    const auto answers = [&](size_t length) {
        return length >= kHeaderSize && ReadU16(received_ + kCommandOffset) == command;
    };
    if (retries_ > 0) {
        DropWaitingDatagrams();
    }
    for (int sends = 0; sends <= retries_; ++sends) {
        Send(command, payload, payloadLength);
        while (const auto length = AwaitDatagram()) {
            if (!ownOnly || retries_ == 0 || answers(*length)) {
                return length;
            }
        }
    }
    return std::nullopt;
}

std::optional<PacketHeader> Exchange::RequestReplyHeader(uint16_t command, const uint8_t* payload,
                                                         uint16_t payloadLength) {
    const auto length = SendAndAwait(command, payload, payloadLength, false);
    if (!length || *length < kHeaderSize) {
        return std::nullopt;
    }
    return PacketHeader::Read(received_);
}

std::optional<size_t> Exchange::Request(uint16_t command, const uint8_t* payload,
                                        uint16_t payloadLength) {
    if (stopWhenUnanswered_ && firstUnanswered_) {
        return std::nullopt;
    }
    auto length = SendAndAwait(command, payload, payloadLength, true);
    if (!length || *length < kHeaderSize || ReadU16(received_ + kCommandOffset) != command) {
        firstUnanswered_ = firstUnanswered_.value_or(command);
        return std::nullopt;
    }
    return length;
}

void Exchange::CollectDatagrams(const std::function<void(const uint8_t*, size_t)>& handle) {
    for (int emptyPolls = 0;;) {
        if (auto length = PollOnce()) {
            handle(received_, *length);
        } else if (emptyPolls == timing_.emptyPollLimit) {
            return;
        } else {
            ++emptyPolls;
            WaitAfterEmptyPoll();
        }
    }
}

}  // namespace zerin
