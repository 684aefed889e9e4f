// The fuzzer's input: one byte that picks the exchange, then the datagrams the device side
// sends, each as a two-byte little-endian length and that many bytes. The seed writer builds
// inputs in the same form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "protocol/socket_layer.h"

namespace zerin::fuzz {

using Bytes = std::vector<uint8_t>;

enum class Target : uint8_t {
    kSearch,
    kDetailQueries,
    kVerification,
    kDeviceSettings,
    kNetworkSettings,
    kCount,
};

struct FuzzInput {
    Target target;
    std::deque<Bytes> datagrams;
};

FuzzInput ReadFuzzInput(const uint8_t* data, size_t size);
Bytes WriteFuzzInput(Target target, const std::vector<Bytes>& datagrams);

// A sockets layer that sends nowhere and hands out the input's datagrams, one a receive, cut
// to the receive buffer as a real socket would; every other receive finds nothing.
class FuzzSocketLayer : public SocketLayer {
  public:
    explicit FuzzSocketLayer(std::deque<Bytes> datagrams) : datagrams_(std::move(datagrams)) {}

    StartResult Startup(uint16_t version) override { return {0, version}; }
    int Cleanup() override { return 0; }
    int LastError() override { return 0; }
    Handle OpenUdp() override { return 3; }
    Handle OpenTcp() override { return 4; }
    void SetNonBlocking(Handle) override {}
    bool EnableBroadcast(Handle) override { return true; }
    int SetReceiveBuffer(Handle, int bytes) override { return bytes; }
    void BindAny(Handle, uint16_t) override {}
    void Listen(Handle, int) override {}
    int SendBroadcast(Handle, const uint8_t*, size_t, uint16_t) override { return 0; }
    std::string ErrorText(int) override { return {}; }
    int BindToAdapter(Handle, const NetworkAdapter&) override { return 0; }
    int SendTo(Handle, const uint8_t*, size_t, uint32_t, uint16_t) override { return 0; }
    int Receive(Handle socket, uint8_t* buffer, size_t capacity, Ipv4Address& from) override;
    void Sleep(int) override {}
    void WaitReadable(const std::vector<Handle>&, int) override {}
    int64_t NowMs() override { return 0; }
    void Close(Handle) override {}

  private:
    std::deque<Bytes> datagrams_;
};

}  // namespace zerin::fuzz
