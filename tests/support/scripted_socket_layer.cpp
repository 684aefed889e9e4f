// The scripted sockets layer of the unit tests.
#include "tests/support/scripted_socket_layer.h"

#include "protocol/network_adapter.h"

#include <algorithm>

namespace zerin::testing {

void ScriptedSocketLayer::DeliverAt(int attempt, Bytes datagram, Ipv4Address from) {
    scheduled_[attempt].push_back({std::move(datagram), from});
}

void ScriptedSocketLayer::Deliver(Bytes datagram, Ipv4Address from) {
    DeliverAt(receiveAttempts + 1, std::move(datagram), from);
}

SocketLayer::StartResult ScriptedSocketLayer::Startup(uint16_t version) {
    Record("Startup " + std::to_string(version));
    if (startupError == 0) {
        ++startups;
    }
    const uint16_t granted = grantedVersion < 0 ? version : static_cast<uint16_t>(grantedVersion);
    return {startupError, granted};
}

int ScriptedSocketLayer::Cleanup() {
    Record("Cleanup");
    ++cleanups;
    return failCleanup ? kSocketError : 0;
}

int ScriptedSocketLayer::LastError() {
    return lastError;
}

std::string ScriptedSocketLayer::ErrorText(int error) {
    return "scripted error " + std::to_string(error);
}

SocketLayer::Handle ScriptedSocketLayer::Open(const char* kind, bool fail) {
    if (fail) {
        Record(std::string(kind) + " failed");
        return kInvalidHandle;
    }
    const Handle socket = nextHandle_++;
    openSockets.insert(socket);
    Record(std::string(kind) + " " + std::to_string(socket));
    return socket;
}

SocketLayer::Handle ScriptedSocketLayer::OpenUdp() {
    return Open("OpenUdp", failUdp);
}

SocketLayer::Handle ScriptedSocketLayer::OpenTcp() {
    return Open("OpenTcp", failTcp);
}

void ScriptedSocketLayer::SetNonBlocking(Handle socket) {
    Record("SetNonBlocking " + std::to_string(socket));
}

bool ScriptedSocketLayer::EnableBroadcast(Handle socket) {
    Record("EnableBroadcast " + std::to_string(socket));
    return !failBroadcast;
}

int ScriptedSocketLayer::SetReceiveBuffer(Handle socket, int bytes) {
    Record("SetReceiveBuffer " + std::to_string(socket) + " " + std::to_string(bytes));
    return bytes;
}

void ScriptedSocketLayer::BindAny(Handle socket, uint16_t port) {
    Record("BindAny " + std::to_string(socket) + " " + std::to_string(port));
}

void ScriptedSocketLayer::Listen(Handle socket, int backlog) {
    Record("Listen " + std::to_string(socket) + " " + std::to_string(backlog));
}

int ScriptedSocketLayer::BindToAdapter(Handle socket, const NetworkAdapter& adapter) {
    Record("BindToAdapter " + std::to_string(socket) + " " + adapter.name + " " +
           FormatIpv4(adapter.address));
    return 0;
}

int ScriptedSocketLayer::SendBroadcast(Handle socket, const uint8_t* bytes, size_t length,
                                       uint16_t port) {
    Record("SendBroadcast " + std::to_string(socket) + " " + std::to_string(port));
    return Sent(bytes, length);
}

int ScriptedSocketLayer::SendTo(Handle socket, const uint8_t* bytes, size_t length,
                                uint32_t address, uint16_t port) {
    Record("SendTo " + std::to_string(socket) + " " + FormatIpv4(address) + " " +
           std::to_string(port));
    return Sent(bytes, length);
}

int ScriptedSocketLayer::Sent(const uint8_t* bytes, size_t length) {
    if (sendError != 0) {
        lastError = sendError;
        return kSocketError;
    }
    sent.emplace_back(bytes, bytes + length);
    if (onSend) {
        onSend(sent.back());
    }
    return 0;
}

int ScriptedSocketLayer::Receive(Handle, uint8_t* buffer, size_t capacity, Ipv4Address& from) {
    ++receiveAttempts;
    auto due = scheduled_.find(receiveAttempts);
    if (due != scheduled_.end()) {
        arrived_.insert(arrived_.end(), due->second.begin(), due->second.end());
        scheduled_.erase(due);
    }
    if (arrived_.empty()) {
        return kSocketError;
    }
    const Bytes datagram = std::move(arrived_.front().datagram);
    from = arrived_.front().from;
    arrived_.pop_front();
    const size_t length = std::min(capacity, datagram.size());
    std::copy_n(datagram.begin(), length, buffer);
    return static_cast<int>(length);
}

void ScriptedSocketLayer::Sleep(int milliseconds) {
    sleeps.push_back(milliseconds);
    clockMs += milliseconds;
}

void ScriptedSocketLayer::WaitReadable(const std::vector<Handle>&, int milliseconds) {
    waits.push_back(milliseconds);
    clockMs += milliseconds;
}

void ScriptedSocketLayer::Close(Handle socket) {
    Record("Close " + std::to_string(socket));
    openSockets.erase(socket);
}

}  // namespace zerin::testing
