// POSIX implementation of the sockets layer.
#include "platform/posix_socket_layer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <system_error>
#include <thread>

#include "platform/posix_datagram_receiver.h"

namespace zerin {

namespace {

int Fd(SocketLayer::Handle socket) {
    return static_cast<int>(socket);
}

SocketLayer::Handle OpenSocket(int type, int protocol) {
    const int fd = ::socket(AF_INET, type, protocol);
    return fd < 0 ? SocketLayer::kInvalidHandle : fd;
}

sockaddr_in Address(uint32_t host, uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(host);
    address.sin_port = htons(port);
    return address;
}

// The interface a socket is tied to, 0 when none.
unsigned TiedInterface(int fd) {
    uint32_t index = 0;
    socklen_t size = sizeof index;
    return getsockopt(fd, IPPROTO_IP, IP_UNICAST_IF, &index, &size) == 0 ? ntohl(index) : 0;
}

// A broadcast that arrived through another interface than the one the socket is tied to: on a
// network that two adapters share, each hears every broadcast. What is sent to one of this
// system's addresses, at the socket's own port, is the socket's whatever interface took it.
bool HeardThroughAnotherAdapter(int fd, const std::optional<in_pktinfo>& arrival) {
    if (!arrival) {
        return false;
    }
    const bool toThisHost = arrival->ipi_addr.s_addr == arrival->ipi_spec_dst.s_addr;
    const unsigned tied = toThisHost ? 0 : TiedInterface(fd);
    return tied != 0 && static_cast<unsigned>(arrival->ipi_ifindex) != tied;
}

}  // namespace

SocketLayer::StartResult PosixSocketLayer::Startup(uint16_t version) {
    return {0, version};
}

int PosixSocketLayer::Cleanup() {
    return 0;
}

int PosixSocketLayer::LastError() {
    return errno;
}

std::string PosixSocketLayer::ErrorText(int error) {
    return std::generic_category().message(error);
}

SocketLayer::Handle PosixSocketLayer::OpenUdp() {
    return OpenSocket(SOCK_DGRAM, IPPROTO_UDP);
}

SocketLayer::Handle PosixSocketLayer::OpenTcp() {
    return OpenSocket(SOCK_STREAM, IPPROTO_TCP);
}

void PosixSocketLayer::SetNonBlocking(Handle socket) {
    fcntl(Fd(socket), F_SETFL, fcntl(Fd(socket), F_GETFL) | O_NONBLOCK);
}

bool PosixSocketLayer::EnableBroadcast(Handle socket) {
    const int on = 1;
    return setsockopt(Fd(socket), SOL_SOCKET, SO_BROADCAST, &on, sizeof on) == 0;
}

// A process allowed to administer the network gets the size past the system's limit for others.
int PosixSocketLayer::SetReceiveBuffer(Handle socket, int bytes) {
    if (setsockopt(Fd(socket), SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes) != 0) {
        setsockopt(Fd(socket), SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
    }
    int granted = 0;
    socklen_t size = sizeof granted;
    getsockopt(Fd(socket), SOL_SOCKET, SO_RCVBUF, &granted, &size);
    return granted;
}

void PosixSocketLayer::BindAny(Handle socket, uint16_t port) {
    const sockaddr_in address = Address(INADDR_ANY, port);
    bind(Fd(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

void PosixSocketLayer::Listen(Handle socket, int backlog) {
    listen(Fd(socket), backlog);
}

// A socket bound to an adapter's address hears no broadcast here, so the socket is bound to every
// address and tied to the adapter's interface instead: its sends leave there (IP_UNICAST_IF, which
// covers 255.255.255.255 too), and each datagram says where it arrived (IP_PKTINFO).
int PosixSocketLayer::BindToAdapter(Handle socket, const NetworkAdapter& adapter) {
    const int on = 1;
    const uint32_t index = htonl(adapter.interfaceIndex);
    const sockaddr_in any = Address(INADDR_ANY, 0);
    return setsockopt(Fd(socket), IPPROTO_IP, IP_PKTINFO, &on, sizeof on) == 0 &&
                   setsockopt(Fd(socket), IPPROTO_IP, IP_UNICAST_IF, &index, sizeof index) == 0 &&
                   bind(Fd(socket), reinterpret_cast<const sockaddr*>(&any), sizeof any) == 0
               ? 0
               : kSocketError;
}

int PosixSocketLayer::SendBroadcast(Handle socket, const uint8_t* bytes, size_t length,
                                    uint16_t port) {
    return SendTo(socket, bytes, length, INADDR_BROADCAST, port);
}

int PosixSocketLayer::SendTo(Handle socket, const uint8_t* bytes, size_t length, uint32_t address,
                             uint16_t port) {
    const sockaddr_in destination = Address(address, port);
    const ssize_t sent =
        sendto(Fd(socket), bytes, length, 0, reinterpret_cast<const sockaddr*>(&destination),
               sizeof destination);
    return sent < 0 ? kSocketError : 0;
}

int PosixSocketLayer::Receive(Handle socket, uint8_t* buffer, size_t capacity, Ipv4Address& from) {
    for (;;) {
        const ReceivedDatagram received = ReceiveDatagram(Fd(socket), buffer, capacity);
        if (received.length < 0) {
            return kSocketError;
        }
        if (!HeardThroughAnotherAdapter(Fd(socket), received.arrival)) {
            from = ntohl(received.sender.sin_addr.s_addr);
            return static_cast<int>(received.length);
        }
    }
}

void PosixSocketLayer::Sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void PosixSocketLayer::WaitReadable(const std::vector<Handle>& sockets, int milliseconds) {
    std::vector<pollfd> entries;
    for (const Handle socket : sockets) {
        entries.push_back({Fd(socket), POLLIN, 0});
    }
    poll(entries.data(), entries.size(), milliseconds);
}

int64_t PosixSocketLayer::NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void PosixSocketLayer::Close(Handle socket) {
    close(Fd(socket));
}

}  // namespace zerin
