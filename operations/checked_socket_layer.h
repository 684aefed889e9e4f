// The operations' sockets layer: the platform's own, with the first failure of the network kept
// (a sockets layer that did not start, a socket that could not be made, a request that could not
// be sent), so that a front-end can say it and end with its own verdict.
#pragma once

#include <optional>
#include <string>

#include "protocol/socket_layer.h"

namespace zerin {

class CheckedSocketLayer : public SocketLayer {
  public:
    explicit CheckedSocketLayer(SocketLayer& platform) : platform_(platform) {}

    // The platform's own layer, for another checked layer of its own (one a thread).
    SocketLayer& Platform() { return platform_; }
    // What failed first, with the system's reason; nothing while all went well.
    const std::optional<std::string>& Failure() const { return failure_; }

    StartResult Startup(uint16_t version) override;
    int Cleanup() override { return platform_.Cleanup(); }
    int LastError() override { return platform_.LastError(); }
    std::string ErrorText(int error) override { return platform_.ErrorText(error); }
    Handle OpenUdp() override { return CheckedSocket(platform_.OpenUdp()); }
    Handle OpenTcp() override { return CheckedSocket(platform_.OpenTcp()); }
    void SetNonBlocking(Handle socket) override { platform_.SetNonBlocking(socket); }
    bool EnableBroadcast(Handle socket) override;
    int SetReceiveBuffer(Handle socket, int bytes) override {
        return platform_.SetReceiveBuffer(socket, bytes);
    }
    void BindAny(Handle socket, uint16_t port) override { platform_.BindAny(socket, port); }
    int BindToAdapter(Handle socket, const NetworkAdapter& adapter) override;
    void Listen(Handle socket, int backlog) override { platform_.Listen(socket, backlog); }
    int SendBroadcast(Handle socket, const uint8_t* bytes, size_t length, uint16_t port) override;
    int SendTo(Handle socket, const uint8_t* bytes, size_t length, uint32_t address,
               uint16_t port) override;
    int Receive(Handle socket, uint8_t* buffer, size_t capacity, Ipv4Address& from) override {
        return platform_.Receive(socket, buffer, capacity, from);
    }
    void Sleep(int milliseconds) override { platform_.Sleep(milliseconds); }
    void WaitReadable(const std::vector<Handle>& sockets, int milliseconds) override {
        platform_.WaitReadable(sockets, milliseconds);
    }
    int64_t NowMs() override { return platform_.NowMs(); }
    void Close(Handle socket) override { platform_.Close(socket); }

  private:
    Handle CheckedSocket(Handle socket);
    int Checked(int result, const std::string& what);
    void Keep(const std::string& what, int error);

    SocketLayer& platform_;
    std::optional<std::string> failure_;
};

}  // namespace zerin
