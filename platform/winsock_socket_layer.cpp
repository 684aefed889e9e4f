// Winsock implementation of the sockets layer.
#include "platform/winsock_socket_layer.h"

#include <winsock2.h>

// After winsock2.h, which must come first.
#include <windows.h>

namespace zerin {

namespace {

SOCKET Sock(SocketLayer::Handle socket) {
    return static_cast<SOCKET>(socket);
}

SocketLayer::Handle OpenSocket(int type, int protocol) {
    const SOCKET s = ::socket(AF_INET, type, protocol);
    return s == INVALID_SOCKET ? SocketLayer::kInvalidHandle : static_cast<SocketLayer::Handle>(s);
}

sockaddr_in Address(u_long host, uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(host);
    address.sin_port = htons(port);
    return address;
}

}  // namespace

SocketLayer::StartResult WinsockSocketLayer::Startup(uint16_t version) {
    WSADATA data{};
    const int error = WSAStartup(version, &data);
    return {error, data.wVersion};
}

int WinsockSocketLayer::Cleanup() {
    return WSACleanup() == SOCKET_ERROR ? kSocketError : 0;
}

int WinsockSocketLayer::LastError() {
    return WSAGetLastError();
}

std::string WinsockSocketLayer::ErrorText(int error) {
    char text[256] = {};
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       static_cast<DWORD>(error), 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == '.' || message.back() == ' ')) {
        message.pop_back();
    }
    return message.empty() ? "Windows Sockets error " + std::to_string(error) : message;
}

SocketLayer::Handle WinsockSocketLayer::OpenUdp() {
    return OpenSocket(SOCK_DGRAM, IPPROTO_UDP);
}

SocketLayer::Handle WinsockSocketLayer::OpenTcp() {
    return OpenSocket(SOCK_STREAM, IPPROTO_TCP);
}

void WinsockSocketLayer::SetNonBlocking(Handle socket) {
    u_long on = 1;
    ioctlsocket(Sock(socket), FIONBIO, &on);
}

bool WinsockSocketLayer::EnableBroadcast(Handle socket) {
    const int on = 1;
    return setsockopt(Sock(socket), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on),
                      sizeof on) != SOCKET_ERROR;
}

int WinsockSocketLayer::SetReceiveBuffer(Handle socket, int bytes) {
    setsockopt(Sock(socket), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&bytes),
               sizeof bytes);
    int granted = 0;
    int size = sizeof granted;
    getsockopt(Sock(socket), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&granted), &size);
    return granted;
}

void WinsockSocketLayer::BindAny(Handle socket, uint16_t port) {
    const sockaddr_in address = Address(INADDR_ANY, port);
    bind(Sock(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

void WinsockSocketLayer::Listen(Handle socket, int backlog) {
    listen(Sock(socket), backlog);
}

// Bound to the adapter's address, a socket sends through that adapter and hears what arrives
// there, broadcasts included.
int WinsockSocketLayer::BindToAdapter(Handle socket, const NetworkAdapter& adapter) {
    const sockaddr_in local = Address(adapter.address, 0);
    return bind(Sock(socket), reinterpret_cast<const sockaddr*>(&local), sizeof local) ==
                   SOCKET_ERROR
               ? kSocketError
               : 0;
}

int WinsockSocketLayer::SendBroadcast(Handle socket, const uint8_t* bytes, size_t length,
                                      uint16_t port) {
    return SendTo(socket, bytes, length, INADDR_BROADCAST, port);
}

int WinsockSocketLayer::SendTo(Handle socket, const uint8_t* bytes, size_t length, uint32_t address,
                               uint16_t port) {
    const sockaddr_in destination = Address(address, port);
    const int sent =
        sendto(Sock(socket), reinterpret_cast<const char*>(bytes), static_cast<int>(length), 0,
               reinterpret_cast<const sockaddr*>(&destination), sizeof destination);
    return sent == SOCKET_ERROR ? kSocketError : 0;
}

int WinsockSocketLayer::Receive(Handle socket, uint8_t* buffer, size_t capacity,
                                Ipv4Address& from) {
    sockaddr_in sender{};
    int senderLength = sizeof sender;
    const int length =
        recvfrom(Sock(socket), reinterpret_cast<char*>(buffer), static_cast<int>(capacity), 0,
                 reinterpret_cast<sockaddr*>(&sender), &senderLength);
    if (length == SOCKET_ERROR) {
        return kSocketError;
    }
    from = ntohl(sender.sin_addr.s_addr);
    return length;
}

void WinsockSocketLayer::Sleep(int milliseconds) {
    ::Sleep(milliseconds);
}

// Waits for up to FD_SETSIZE sockets, more than a search ever opens.
void WinsockSocketLayer::WaitReadable(const std::vector<Handle>& sockets, int milliseconds) {
    fd_set readable;
    FD_ZERO(&readable);
    for (const Handle socket : sockets) {
        FD_SET(Sock(socket), &readable);
    }
    timeval timeout{milliseconds / 1000, (milliseconds % 1000) * 1000};
    select(0, &readable, nullptr, nullptr, &timeout);
}

int64_t WinsockSocketLayer::NowMs() {
    return static_cast<int64_t>(GetTickCount64());
}

void WinsockSocketLayer::Close(Handle socket) {
    closesocket(Sock(socket));
}

}  // namespace zerin
