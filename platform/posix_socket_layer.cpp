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
#include <system_error>
#include <thread>

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

int PosixSocketLayer::SetReceiveBuffer(Handle socket, int bytes) {
    setsockopt(Fd(socket), SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
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

int PosixSocketLayer::BindAddress(Handle socket, uint32_t address, uint16_t port) {
    const sockaddr_in local = Address(address, port);
    return bind(Fd(socket), reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0
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

int PosixSocketLayer::Receive(Handle socket, uint8_t* buffer, size_t capacity) {
    sockaddr_in sender{};
    socklen_t senderLength = sizeof sender;
    const ssize_t length = recvfrom(Fd(socket), buffer, capacity, 0,
                                    reinterpret_cast<sockaddr*>(&sender), &senderLength);
    return length < 0 ? kSocketError : static_cast<int>(length);
}

void PosixSocketLayer::Sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void PosixSocketLayer::WaitReadable(Handle socket, int milliseconds) {
    pollfd entry{Fd(socket), POLLIN, 0};
    poll(&entry, 1, milliseconds);
}

void PosixSocketLayer::Close(Handle socket) {
    close(Fd(socket));
}

}  // namespace zerin
