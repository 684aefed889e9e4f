// Datagrams waiting for their sending time, so that a delayed answer never holds up the answers of
// the other devices in the one-thread event loop.
#pragma once

#include <netinet/in.h>

#include <chrono>
#include <map>
#include <optional>
#include <vector>

#include "tools/devsim/reply_builder.h"

namespace zerin::devsim {

struct Outgoing {
    sockaddr_in destination;
    Datagram bytes;
    std::optional<in_addr> source;  // the address it goes from; the system's choice when empty
};

class SendQueue {
  public:
    using Clock = std::chrono::steady_clock;

    void Push(Clock::time_point due, const sockaddr_in& destination, Datagram bytes,
              std::optional<in_addr> source = std::nullopt);

    // The earliest sending time waiting, or nothing when the queue is empty.
    std::optional<Clock::time_point> NextDue() const;

    // Removes and returns the datagrams due by now: earliest first, equal times in push order.
    std::vector<Outgoing> PopDue(Clock::time_point now);

  private:
    std::multimap<Clock::time_point, Outgoing> waiting_;
};

}  // namespace zerin::devsim
