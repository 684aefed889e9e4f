// What the two settings updates tell their caller: the wizard pages go by the code alone, the
// command-line tool reports the reply as well.
#pragma once

#include <optional>

#include "protocol/packet.h"

namespace zerin {

struct SettingsUpdateResult {
    // 1 when opening the network failed and nothing was sent, 0 when the request was sent,
    // whatever the device answered.
    int code;
    // The header of the first datagram after the request, when one came that holds a header.
    std::optional<PacketHeader> reply;
};

}  // namespace zerin
