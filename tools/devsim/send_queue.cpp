// Datagrams waiting for their sending time.
#include "tools/devsim/send_queue.h"

#include <utility>

namespace zerin::devsim {

void SendQueue::Push(Clock::time_point due, const sockaddr_in& destination, Datagram bytes,
                     std::optional<in_addr> source) {
    waiting_.emplace(due, Outgoing{destination, std::move(bytes), source});
}

std::optional<SendQueue::Clock::time_point> SendQueue::NextDue() const {
    if (waiting_.empty()) {
        return std::nullopt;
    }
    return waiting_.begin()->first;
}

std::vector<Outgoing> SendQueue::PopDue(Clock::time_point now) {
    std::vector<Outgoing> due;
    auto end = waiting_.upper_bound(now);
    for (auto it = waiting_.begin(); it != end; ++it) {
        due.push_back(std::move(it->second));
    }
    waiting_.erase(waiting_.begin(), end);
    return due;
}

}  // namespace zerin::devsim
