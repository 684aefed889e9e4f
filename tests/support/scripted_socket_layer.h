// A sockets layer for unit tests: sends nothing, records every call and every byte sent, and
// delivers datagrams at chosen receive attempts, so timing rules are checked by counting
// attempts and waits instead of by the clock.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "protocol/socket_layer.h"

namespace zerin::testing {

using Bytes = std::vector<uint8_t>;

class ScriptedSocketLayer : public SocketLayer {
  public:
    // Failures to script.
    int startupError = 0;
    int grantedVersion = -1;  // -1: grant the version asked for
    bool failUdp = false;
    bool failTcp = false;
    bool failBroadcast = false;
    bool failCleanup = false;
    int sendError = 0;  // nonzero: every send fails with this error
    int lastError = 0;

    // Makes the datagram arrive at the given receive attempt (1 is the first of the layer's
    // life), from the given sender; several at one attempt arrive at that and the following
    // attempts, in order.
    void DeliverAt(int attempt, Bytes datagram, Ipv4Address from = 0);
    // Makes the datagram arrive at the next receive attempt.
    void Deliver(Bytes datagram, Ipv4Address from = 0);
    // Called with every datagram sent; the test may Deliver answers from it.
    std::function<void(const Bytes&)> onSend;

    // What happened.
    std::vector<std::string> calls;  // every call but Receive, Sleep and WaitReadable, in order
    std::vector<Bytes> sent;
    int receiveAttempts = 0;
    std::vector<int> sleeps;  // milliseconds of each plain sleep
    std::vector<int> waits;   // milliseconds of each readiness wait
    int64_t clockMs = 0;      // NowMs: every sleep and wait taken in full
    int startups = 0;
    int cleanups = 0;
    std::set<Handle> openSockets;

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
    int64_t NowMs() override { return clockMs; }
    void Close(Handle socket) override;

  private:
    Handle Open(const char* kind, bool fail);
    // Keeps a datagram sent and hands it to onSend, or fails as scripted.
    int Sent(const uint8_t* bytes, size_t length);
    void Record(const std::string& call) { calls.push_back(call); }

    Handle nextHandle_ = 100;
    struct Arrival {
        Bytes datagram;
        Ipv4Address from;
    };
    std::map<int, std::deque<Arrival>> scheduled_;  // by receive attempt
    std::deque<Arrival> arrived_;
};

}  // namespace zerin::testing
