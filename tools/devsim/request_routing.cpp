// Which devices a request reaches, and where their answers go.
#include "tools/devsim/request_routing.h"

#include <arpa/inet.h>

#include <utility>

#include "tools/devsim/device_responder.h"

namespace zerin::devsim {

namespace {

// The mask of a /30, the smallest subnet with a broadcast address.
constexpr uint32_t kSmallestBroadcastSubnetMask = 0xfffffffc;

bool IsDirectedBroadcast(uint32_t destination, const HostAddress& host) {
    const uint32_t mask = ntohl(host.mask.s_addr);
    return mask <= kSmallestBroadcastSubnetMask &&
           destination == (ntohl(host.address.s_addr) | ~mask);
}

// The request's source, or 255.255.255.255 at the source's port.
sockaddr_in Destination(const sockaddr_in& source, bool broadcast) {
    sockaddr_in destination = source;
    if (broadcast) {
        destination.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    }
    return destination;
}

}  // namespace

std::string AddressText(in_addr address) {
    char text[INET_ADDRSTRLEN];
    inet_ntop(AF_INET, &address, text, sizeof text);
    return text;
}

std::string PeerText(const sockaddr_in& peer) {
    return AddressText(peer.sin_addr) + ":" + std::to_string(ntohs(peer.sin_port));
}

std::optional<in_addr> UnicastAddress(in_addr destination, const std::vector<HostAddress>& host) {
    const uint32_t address = ntohl(destination.s_addr);
    if (address == INADDR_BROADCAST) {
        return std::nullopt;
    }
    for (const HostAddress& own : host) {
        if (IsDirectedBroadcast(address, own)) {
            return std::nullopt;
        }
    }
    return destination;
}

void QueueAnswers(std::vector<DeviceState>& devices, const Datagram& request,
                  const Arrival& arrival, const std::vector<HostAddress>& host,
                  SendQueue::Clock::time_point now, SendQueue& queue) {
    const std::optional<in_addr> unicast =
        arrival.destination ? UnicastAddress(*arrival.destination, host) : std::nullopt;
    const std::optional<std::string> unicastTo =
        unicast ? std::optional(AddressText(*unicast)) : std::nullopt;
    for (Answer& answer : Respond(devices, request, unicastTo)) {
        queue.Push(now + std::chrono::milliseconds(answer.delayMs),
                   Destination(arrival.source, answer.broadcast), std::move(answer.bytes), unicast);
    }
}

}  // namespace zerin::devsim
