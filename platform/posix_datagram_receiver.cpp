// Receiving a datagram with its IP_PKTINFO.
#include "platform/posix_datagram_receiver.h"

#include <sys/socket.h>
#include <sys/uio.h>

#include <cstring>

namespace zerin {

ReceivedDatagram ReceiveDatagram(int fd, uint8_t* buffer, size_t capacity) {
    ReceivedDatagram received{-1, {}, std::nullopt};
    iovec data{buffer, capacity};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))];
    msghdr message{};
    message.msg_name = &received.sender;
    message.msg_namelen = sizeof received.sender;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    received.length = recvmsg(fd, &message, 0);
    if (received.length < 0) {
        return received;
    }
    for (cmsghdr* entry = CMSG_FIRSTHDR(&message); entry; entry = CMSG_NXTHDR(&message, entry)) {
        if (entry->cmsg_level == IPPROTO_IP && entry->cmsg_type == IP_PKTINFO) {
            in_pktinfo arrival{};
            std::memcpy(&arrival, CMSG_DATA(entry), sizeof arrival);
            received.arrival = arrival;
        }
    }
    return received;
}

}  // namespace zerin
