// The socket loop: receives requests, lets the devices answer, sends each answer when it is due.
#include "tools/devsim/simulator.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <utility>

#include "platform/posix_datagram_receiver.h"
#include "tools/devsim/request_routing.h"

namespace zerin::devsim {

namespace {

constexpr size_t kReceiveBufferSize = 4096;

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

// Blocks SIGTERM and SIGINT, so that they arrive only while the loop waits, and returns the mask
// that lets them in.
sigset_t CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGINT);
    return waitMask;
}

bool SocketError(std::string& error, const std::string& what) {
    error = what + ": " + std::strerror(errno);
    return false;
}

// The host's IPv4 addresses with their masks, as its interfaces have them now.
std::vector<HostAddress> HostAddresses() {
    std::vector<HostAddress> addresses;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return addresses;
    }
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (entry->ifa_addr && entry->ifa_netmask && entry->ifa_addr->sa_family == AF_INET) {
            addresses.push_back(
                {reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr,
                 reinterpret_cast<const sockaddr_in*>(entry->ifa_netmask)->sin_addr});
        }
    }
    freeifaddrs(list);
    return addresses;
}

timespec ToTimespec(SendQueue::Clock::duration wait) {
    auto nanoseconds =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::max(wait, wait.zero()));
    return {static_cast<time_t>(nanoseconds.count() / 1000000000),
            static_cast<long>(nanoseconds.count() % 1000000000)};
}

}  // namespace

Simulator::Simulator(std::vector<DeviceState> devices, DatagramLog& log)
    : devices_(std::move(devices)), log_(log) {}

Simulator::~Simulator() {
    if (socket_ >= 0) {
        close(socket_);
    }
}

bool Simulator::Bind(const std::string& address, uint16_t port, std::string& error) {
    socket_ = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (socket_ < 0) {
        return SocketError(error, "socket");
    }
    int on = 1;
    if (setsockopt(socket_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0 ||
        setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        setsockopt(socket_, IPPROTO_IP, IP_PKTINFO, &on, sizeof on) != 0) {
        return SocketError(error, "setsockopt");
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    inet_pton(AF_INET, address.c_str(), &local.sin_addr);
    if (bind(socket_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        return SocketError(error, "bind " + address + ":" + std::to_string(port));
    }
    port_ = port;
    return true;
}

bool Simulator::Run(std::string& error) {
    sigset_t waitMask = CatchStopSignals();
    while (!stopRequested) {
        SendDue();
        if (!Wait(waitMask, error)) {
            return false;
        }
    }
    return true;
}

// Sleeps until a request arrives, the next answer is due or a stop signal comes in.
bool Simulator::Wait(const sigset_t& waitMask, std::string& error) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socket_, &readable);
    std::optional<SendQueue::Clock::time_point> due = queue_.NextDue();
    timespec timeout = due ? ToTimespec(*due - SendQueue::Clock::now()) : timespec{};
    int ready =
        pselect(socket_ + 1, &readable, nullptr, nullptr, due ? &timeout : nullptr, &waitMask);
    if (ready < 0 && errno != EINTR) {
        return SocketError(error, "pselect");
    }
    if (ready > 0) {
        ReceiveRequest();
    }
    return true;
}

// A datagram from the simulator's own port is never answered: it may be one of its own replies
// that came back, and answering it could start an endless exchange.
void Simulator::ReceiveRequest() {
    Datagram request(kReceiveBufferSize);
    const ReceivedDatagram received = ReceiveDatagram(socket_, request.data(), request.size());
    if (received.length < 0) {
        std::cerr << "devsim: recvmsg: " << std::strerror(errno) << "\n";
        return;
    }
    request.resize(static_cast<size_t>(received.length));
    const Arrival arrival{received.sender, received.arrival
                                               ? std::optional(received.arrival->ipi_addr)
                                               : std::nullopt};
    log_.Write(Direction::kIn, PeerText(arrival.source),
               arrival.destination ? AddressText(*arrival.destination) : "*", request);
    if (ntohs(arrival.source.sin_port) == port_) {
        return;
    }
    QueueAnswers(devices_, request, arrival, HostAddresses(), SendQueue::Clock::now(), queue_);
}

// From the outgoing's source address when it has one.
ssize_t Simulator::Send(const Outgoing& out) {
    iovec data{const_cast<uint8_t*>(out.bytes.data()), out.bytes.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    msghdr message{};
    message.msg_name = const_cast<sockaddr_in*>(&out.destination);
    message.msg_namelen = sizeof out.destination;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    if (out.source) {
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr* entry = CMSG_FIRSTHDR(&message);
        entry->cmsg_level = IPPROTO_IP;
        entry->cmsg_type = IP_PKTINFO;
        entry->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo from{};
        from.ipi_spec_dst = *out.source;
        std::memcpy(CMSG_DATA(entry), &from, sizeof from);
    }
    return sendmsg(socket_, &message, 0);
}

void Simulator::SendDue() {
    for (const Outgoing& out : queue_.PopDue(SendQueue::Clock::now())) {
        ssize_t sent = Send(out);
        if (sent < 0) {
            std::cerr << "devsim: sendto " << PeerText(out.destination) << ": "
                      << std::strerror(errno) << "\n";
            continue;
        }
        log_.Write(Direction::kOut, PeerText(out.destination),
                   out.source ? AddressText(*out.source) : "*", out.bytes);
    }
}

}  // namespace zerin::devsim
