// zerin-cli: the device protocol from the command line, for scripts and the demo.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "platform/posix_socket_layer.h"
#include "tools/cli/search_command.h"

namespace {

constexpr char kUsage[] =
    "usage: zerin-cli search [--json]\n";

// Messages meant for the user go to standard error.
struct StderrReporter : zerin::Reporter {
    void Report(const std::string& message) override { std::cerr << message; }
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] != "search" || (args.size() > 1 && args[1] != "--json") ||
        args.size() > 2) {
        std::cerr << kUsage;
        return 2;
    }
    zerin::PosixSocketLayer sockets;
    StderrReporter reporter;
    const auto devices = zerin::cli::FindDevices(sockets, reporter);
    zerin::cli::PrintDevices(devices, args.size() == 2, std::cout);
    return 0;
}
