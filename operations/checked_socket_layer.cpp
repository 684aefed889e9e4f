// Keeping the first network failure of an operation.
#include "operations/checked_socket_layer.h"

namespace zerin {

SocketLayer::StartResult CheckedSocketLayer::Startup(uint16_t version) {
    const StartResult result = platform_.Startup(version);
    if (result.error != 0) {
        Keep("the sockets layer did not start", result.error);
    }
    return result;
}

bool CheckedSocketLayer::EnableBroadcast(Handle socket) {
    const bool enabled = platform_.EnableBroadcast(socket);
    if (!enabled) {
        Keep("a socket could not send broadcasts", platform_.LastError());
    }
    return enabled;
}

int CheckedSocketLayer::BindToAdapter(Handle socket, const NetworkAdapter& adapter) {
    return Checked(platform_.BindToAdapter(socket, adapter),
                   "a socket could not be tied to " + adapter.name);
}

int CheckedSocketLayer::SendBroadcast(Handle socket, const uint8_t* bytes, size_t length,
                                      uint16_t port) {
    return Checked(platform_.SendBroadcast(socket, bytes, length, port),
                   "a request could not be sent");
}

int CheckedSocketLayer::SendTo(Handle socket, const uint8_t* bytes, size_t length, uint32_t address,
                               uint16_t port) {
    return Checked(platform_.SendTo(socket, bytes, length, address, port),
                   "a request could not be sent");
}

int CheckedSocketLayer::Checked(int result, const std::string& what) {
    if (result == kSocketError) {
        Keep(what, platform_.LastError());
    }
    return result;
}

SocketLayer::Handle CheckedSocketLayer::CheckedSocket(Handle socket) {
    if (socket == kInvalidHandle) {
        Keep("no socket could be made", platform_.LastError());
    }
    return socket;
}

void CheckedSocketLayer::Keep(const std::string& what, int error) {
    if (!failure_) {
        failure_ =
            what + ": " + platform_.ErrorText(error) + " (error " + std::to_string(error) + ")";
    }
}

}  // namespace zerin
