// Naming the detail requests and finding the reply a write misses.
#include "operations/detail_replies.h"

#include <algorithm>
#include <iterator>

#include "protocol/packet.h"

namespace zerin {

namespace {

// The detail queries whose replies a write can build on, in the order they are asked.
constexpr uint16_t kQueryOrder[] = {CMD_GET_DEVICE_INFO, CMD_GET_NETWORK_INFO};

int Position(uint16_t command) {
    const auto found = std::find(std::begin(kQueryOrder), std::end(kQueryOrder), command);
    return found == std::end(kQueryOrder) ? static_cast<int>(std::size(kQueryOrder))
                                          : static_cast<int>(found - std::begin(kQueryOrder));
}

}  // namespace

std::string DetailRequestName(uint16_t command) {
    switch (command) {
        case CMD_GET_DEVICE_INFO:
            return "device information";
        case CMD_GET_NETWORK_INFO:
            return "network information";
        case CMD_GET_SHARE_COUNT:
            return "share count";
        case CMD_GET_SHARE_LIST:
            return "share list";
        default:
            return "USB information";
    }
}

std::optional<uint16_t> MissingReply(const DeviceDetails& details, uint16_t needed) {
    if (details.unanswered && Position(*details.unanswered) <= Position(needed)) {
        return details.unanswered;
    }
    return std::nullopt;
}

}  // namespace zerin
