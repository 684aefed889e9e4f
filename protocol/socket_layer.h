// The one door from the protocol core to the network: the socket calls an exchange makes.
// Winsock on Windows, POSIX on Linux, and a scripted layer in the unit tests implement it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "protocol/network_adapter.h"

namespace zerin {

class SocketLayer {
  public:
    using Handle = std::intptr_t;
    static constexpr Handle kInvalidHandle = -1;
    static constexpr int kSocketError = -1;

    struct StartResult {
        int error;         // 0 when the layer started
        uint16_t version;  // the version granted, low byte major
    };

    virtual ~SocketLayer() = default;

    virtual StartResult Startup(uint16_t version) = 0;
    // 0, or kSocketError with the reason in LastError().
    virtual int Cleanup() = 0;
    virtual int LastError() = 0;
    // The system's text for an error of LastError().
    virtual std::string ErrorText(int error) = 0;

    // kInvalidHandle when no socket could be created.
    virtual Handle OpenUdp() = 0;
    virtual Handle OpenTcp() = 0;
    virtual void SetNonBlocking(Handle socket) = 0;
    // False when the option could not be set.
    virtual bool EnableBroadcast(Handle socket) = 0;
    // Asks for a receive buffer of the given size; returns the size the system granted.
    virtual int SetReceiveBuffer(Handle socket, int bytes) = 0;
    virtual void BindAny(Handle socket, uint16_t port) = 0;
    // Ties the socket to one adapter: what it sends leaves through that adapter, and it hears what
    // that adapter hears at its port, broadcasts included, and what is sent to its port at any of
    // the system's addresses; a broadcast that reached it through another adapter is not taken.
    // 0, or kSocketError with the reason in LastError().
    virtual int BindToAdapter(Handle socket, const NetworkAdapter& adapter) = 0;
    virtual void Listen(Handle socket, int backlog) = 0;
    // Sends to 255.255.255.255 at the given port: 0, or kSocketError with the reason in
    // LastError().
    virtual int SendBroadcast(Handle socket, const uint8_t* bytes, size_t length,
                              uint16_t port) = 0;
    // Sends to one address (host order); as SendBroadcast.
    virtual int SendTo(Handle socket, const uint8_t* bytes, size_t length, uint32_t address,
                       uint16_t port) = 0;
    // The datagram's length, or kSocketError when none is waiting; from takes its sender's
    // address (host order).
    virtual int Receive(Handle socket, uint8_t* buffer, size_t capacity, Ipv4Address& from) = 0;
    virtual void Sleep(int milliseconds) = 0;
    // Waits until a datagram is waiting on any of the sockets or the time is up, whichever comes
    // first.
    virtual void WaitReadable(const std::vector<Handle>& sockets, int milliseconds) = 0;
    // Milliseconds of a clock that only goes forward, for pacing sends and timing windows.
    virtual int64_t NowMs() = 0;
    virtual void Close(Handle socket) = 0;
};

}  // namespace zerin
