// Texts shared by the commands.
#include "cli/command.h"

namespace zerin::cli {

std::string DescribeReply(const std::optional<PacketHeader>& reply, uint16_t command) {
    if (!reply) {
        return "no answer";
    }
    if (reply->command != command) {
        return "answered command " + std::to_string(reply->command) + " instead";
    }
    return "answered with status " + std::to_string(reply->status);
}

std::nullopt_t Refuse(std::string& error, const std::string& reason) {
    error = reason;
    return std::nullopt;
}

}  // namespace zerin::cli
