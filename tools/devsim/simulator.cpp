// The socket loop: receives requests, lets the devices answer, sends each answer when it is due.
#include "tools/devsim/simulator.h"

#include <arpa/inet.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <utility>

#include "tools/devsim/device_responder.h"

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

// Where an answer goes: the request's source, or 255.255.255.255 at the source's port.
sockaddr_in Destination(const sockaddr_in& peer, bool broadcast) {
    sockaddr_in destination = peer;
    if (broadcast) {
        destination.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    }
    return destination;
}

std::string PeerText(const sockaddr_in& peer) {
    char address[INET_ADDRSTRLEN];
    inet_ntop(AF_INET, &peer.sin_addr, address, sizeof address);
    return std::string(address) + ":" + std::to_string(ntohs(peer.sin_port));
}

bool SocketError(std::string& error, const std::string& what) {
    error = what + ": " + std::strerror(errno);
    return false;
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
        setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0) {
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
    sockaddr_in peer{};
    socklen_t peerLength = sizeof peer;
    ssize_t length = recvfrom(socket_, request.data(), request.size(), 0,
                              reinterpret_cast<sockaddr*>(&peer), &peerLength);
    if (length < 0) {
        std::cerr << "devsim: recvfrom: " << std::strerror(errno) << "\n";
        return;
    }
    request.resize(static_cast<size_t>(length));
    log_.Write(Direction::kIn, PeerText(peer), request);
    if (ntohs(peer.sin_port) == port_) {
        return;
    }
    auto now = SendQueue::Clock::now();
    for (Answer& answer : Respond(devices_, request)) {
        queue_.Push(now + std::chrono::milliseconds(answer.delayMs),
                    Destination(peer, answer.broadcast), std::move(answer.bytes));
    }
}

void Simulator::SendDue() {
    for (const Outgoing& out : queue_.PopDue(SendQueue::Clock::now())) {
        ssize_t sent =
            sendto(socket_, out.bytes.data(), out.bytes.size(), 0,
                   reinterpret_cast<const sockaddr*>(&out.destination), sizeof out.destination);
        if (sent < 0) {
            std::cerr << "devsim: sendto " << PeerText(out.destination) << ": "
                      << std::strerror(errno) << "\n";
            continue;
        }
        log_.Write(Direction::kOut, PeerText(out.destination), out.bytes);
    }
}

}  // namespace zerin::devsim
