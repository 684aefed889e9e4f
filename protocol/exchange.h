// One exchange with the devices: starts the sockets layer, opens a fresh non-blocking UDP
// socket, broadcasts requests addressed by MAC, polls for replies, and closes and releases
// everything it opened when it goes out of scope, on every path.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "protocol/device_record.h"
#include "protocol/network_adapter.h"
#include "protocol/packet.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"

namespace zerin {

// What tells one kind of exchange from another.
struct ExchangeTiming {
    uint16_t socketsVersion;  // 0x0202 is version 2.2
    int emptyPollLimit;       // a request with no datagram makes this many waits
    int intervalMs;           // length of each wait
    // Wait for the socket to become readable (bounded by the interval) instead of a plain sleep,
    // so that an answer arriving during a wait is taken at once.
    bool waitForReadable;
};

// The adapter an exchange goes through: its socket is tied to the adapter, so that its broadcasts
// leave through that adapter and it hears what comes back there, and each request also goes to
// the directed broadcast address when one is given.
struct Route {
    NetworkAdapter adapter;
    std::optional<Ipv4Address> directedBroadcast;
};

// What a caller may ask of an exchange beyond its own course; the windows ask nothing. The
// command-line tool waits for each reply as long as its user says, sends a request again when it
// goes unanswered, gives up on a device at its first request left without an answer, and talks to
// each device the way its search answer came.
struct ExchangeOptions {
    std::optional<int> replyTimeoutMs;  // instead of the empty-poll limit, waits of this total
    bool stopWhenUnanswered = false;    // no request goes out after one went unanswered
    std::optional<Route> route;         // else the system's choice of adapter
    // Each request that gets no datagram within its wait is sent again, up to this many times.
    // Then a datagram waiting before a request is dropped, and Request passes over one that
    // answers another command: both are late answers to a request sent twice.
    int retries = 0;
    std::optional<Ipv4Address> unicastTo;  // every request to this address alone, no broadcast
};

// Every request through the adapter that heard the device's search answer, when one did, or by
// unicast to the address that answered a search sent to it.
ExchangeOptions TowardsDevice(const DeviceRecord& device);

extern const char* const kNetworkFailedMessage;

// How many waits of the interval a time takes, rounded up; none for a time of 0 or less.
int WaitsWithin(int timeMs, int intervalMs);

class Exchange {
  public:
    Exchange(SocketLayer& sockets, Reporter& reporter, const ExchangeTiming& timing,
             const ExchangeOptions& options = {});
    ~Exchange();
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    // Starts the sockets layer and opens the non-blocking UDP socket; false, after reporting
    // why, when the exchange cannot go on.
    bool Open();
    // Sets the broadcast option, reporting (and going on) when it cannot be set.
    void AllowBroadcast();
    // Open and AllowBroadcast together, for exchanges with nothing between them.
    bool OpenForBroadcast();

    void SetTarget(const MacAddress& mac);
    // Sends the request to 255.255.255.255, and to the route's directed broadcast when it has one,
    // or to the unicast address alone; gives the destinations that the system took it for.
    std::vector<Ipv4Address> Send(uint16_t command, const uint8_t* payload = nullptr,
                                  uint16_t payloadLength = 0);
    // Sends the request to the one address alone; true when the system took it.
    bool SendTo(Ipv4Address address, uint16_t command);
    // The length of a datagram waiting now, without waiting for one.
    std::optional<size_t> PollOnce();
    // The first datagram's length, or nothing once the empty-poll limit is reached.
    std::optional<size_t> AwaitDatagram();
    // Sends the request, again while it is unanswered as the retries allow, and takes the first
    // datagram; its header when it is long enough to hold one.
    std::optional<PacketHeader> RequestReplyHeader(uint16_t command, const uint8_t* payload,
                                                   uint16_t payloadLength);
    // Sends the request and waits for one datagram; its length when its command matches.
    // Nothing, and nothing sent, once the exchange stopped at an unanswered request.
    std::optional<size_t> Request(uint16_t command, const uint8_t* payload = nullptr,
                                  uint16_t payloadLength = 0);
    // The command of the first request that Request sent without a matching reply.
    std::optional<uint16_t> FirstUnanswered() const { return firstUnanswered_; }
    // Hands every datagram to the handler until the empty-poll limit is reached; datagrams
    // are not counted as empty polls.
    void CollectDatagrams(const std::function<void(const uint8_t*, size_t)>& handle);

    const uint8_t* Received() const { return received_; }
    // The sender of the datagram that PollOnce took last.
    Ipv4Address ReceivedFrom() const { return receivedFrom_; }
    SocketLayer& Sockets() { return sockets_; }
    SocketLayer::Handle Socket() const { return socket_; }

  private:
    // Puts the request into the send buffer; its length.
    size_t Build(uint16_t command, const uint8_t* payload, uint16_t payloadLength);
    void WaitAfterEmptyPoll();
    // Sends the request until a datagram comes, as the retries allow; its length. With ownOnly and
    // retries, a datagram that answers another command does not count.
    std::optional<size_t> SendAndAwait(uint16_t command, const uint8_t* payload,
                                       uint16_t payloadLength, bool ownOnly);
    void DropWaitingDatagrams();

    SocketLayer& sockets_;
    Reporter& reporter_;
    ExchangeTiming timing_;
    bool stopWhenUnanswered_;
    std::optional<Route> route_;
    int retries_;
    std::optional<Ipv4Address> unicastTo_;
    std::optional<uint16_t> firstUnanswered_;
    bool started_ = false;
    SocketLayer::Handle socket_ = SocketLayer::kInvalidHandle;
    uint8_t sendBuffer_[kPacketBufferSize] = {};
    uint8_t received_[kPacketBufferSize] = {};
    Ipv4Address receivedFrom_ = 0;
};

}  // namespace zerin
