// What every command of the command-line tool is given and how it is declared, so that the
// tool's entry point dispatches by a table.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "protocol/packet.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"
#include "cli/arguments.h"

namespace zerin::cli {

enum ExitStatus : int {
    kExitSuccess = 0,
    kExitFailure = 1,  // the network or the device failed the request
    kExitUsage = 2,    // bad arguments, or no device of that name or MAC address
};

struct CommandContext {
    SocketLayer& sockets;
    Reporter& reporter;  // the protocol's own messages for the user
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    const char* name;
    const char* synopsis;  // the words after the name, for the usage text
    size_t positionals;
    std::vector<OptionRule> options;
    int (*run)(const Arguments& arguments, CommandContext& context);
};

// How a device answered a request with the given command: "no answer", "answered with status
// N", or "answered command N instead" when another command's reply came first.
std::string DescribeReply(const std::optional<PacketHeader>& reply, uint16_t command);

// Sets error to the reason and gives nothing, for the parsers of command options.
std::nullopt_t Refuse(std::string& error, const std::string& reason);

}  // namespace zerin::cli
