// Receiving one UDP datagram on POSIX systems with what IP_PKTINFO tells of its arrival: the
// address it was sent to and the interface that took it in. The socket must have IP_PKTINFO on.
#pragma once

#include <netinet/in.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace zerin {

struct ReceivedDatagram {
    ssize_t length;  // -1 when none could be received, with the reason in errno
    sockaddr_in sender;
    std::optional<in_pktinfo> arrival;
};

ReceivedDatagram ReceiveDatagram(int fd, uint8_t* buffer, size_t capacity);

}  // namespace zerin
