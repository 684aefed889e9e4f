// The sockets layer over POSIX sockets, for the native command-line tool and tests.
#pragma once

#include "protocol/socket_layer.h"

namespace zerin {

class PosixSocketLayer : public SocketLayer {
  public:
    StartResult Startup(uint16_t version) override;
    int Cleanup() override;
    int LastError() override;
    std::string ErrorText(int error) override;
    Handle OpenUdp() override;
    Handle OpenTcp() override;
    void SetNonBlocking(Handle socket) override;
    bool EnableBroadcast(Handle socket) override;
    int SetReceiveBuffer(Handle socket, int bytes) override;
    void BindAny(Handle socket, uint16_t port) override;
    int BindToAdapter(Handle socket, const NetworkAdapter& adapter) override;
    void Listen(Handle socket, int backlog) override;
    int SendBroadcast(Handle socket, const uint8_t* bytes, size_t length, uint16_t port) override;
    int SendTo(Handle socket, const uint8_t* bytes, size_t length, uint32_t address,
               uint16_t port) override;
    int Receive(Handle socket, uint8_t* buffer, size_t capacity, Ipv4Address& from) override;
    void Sleep(int milliseconds) override;
    void WaitReadable(const std::vector<Handle>& sockets, int milliseconds) override;
    int64_t NowMs() override;
    void Close(Handle socket) override;
};

}  // namespace zerin
