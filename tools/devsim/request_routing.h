// Which devices a request reaches by the address it was sent to, and where their answers go: a
// broadcast reaches every device; a request sent to any other address is a unicast to that address,
// which reaches only the device with that IP address and is answered from it.
#pragma once

#include <netinet/in.h>

#include <optional>
#include <string>
#include <vector>

#include "tools/devsim/device_state.h"
#include "tools/devsim/send_queue.h"

namespace zerin::devsim {

// One IPv4 address of the host with its subnet mask.
struct HostAddress {
    in_addr address;
    in_addr mask;
};

// Where a request came from and where it was sent.
struct Arrival {
    sockaddr_in source;
    std::optional<in_addr> destination;  // nothing when the system did not tell
};

// The address in dotted form, and with ":port" after it.
std::string AddressText(in_addr address);
std::string PeerText(const sockaddr_in& peer);

// The address a request sent to destination was unicast to; nothing for 255.255.255.255 and for
// the directed broadcast of one of the host's subnets (a /31 or /32 subnet has none).
std::optional<in_addr> UnicastAddress(in_addr destination, const std::vector<HostAddress>& host);

// Queues the devices' answers to a request, each due after its delay: to the request's source, or
// by broadcast to the source's port, and from the unicast address when the request came by
// unicast. A request whose destination is unknown reaches every device, answered from the
// system's choice of address.
void QueueAnswers(std::vector<DeviceState>& devices, const Datagram& request,
                  const Arrival& arrival, const std::vector<HostAddress>& host,
                  SendQueue::Clock::time_point now, SendQueue& queue);

}  // namespace zerin::devsim
