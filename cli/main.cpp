// zerin-cli: the device protocol from the command line, for scripts and fleets of devices, over
// the same protocol core as Zerin.exe.
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "operations/checked_socket_layer.h"
#include "operations/silent_reporter.h"
#include "platform/console.h"
#include "platform/platform_socket_layer.h"

namespace {

std::optional<std::string> PasswordVariable() {
    const char* value = std::getenv("ZERIN_PASSWORD");
    return value ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    zerin::UseBinaryStandardStreams();
    zerin::PlatformSocketLayer platform;
    zerin::CheckedSocketLayer sockets(platform);
    zerin::SilentReporter reporter;
    zerin::PlatformNetworkAdapters adapters;
    zerin::PlatformStopSignals stopSignals;
    zerin::PlatformConsole console;
    zerin::cli::CommandContext context{sockets,  adapters,  stopSignals, reporter,          console,
                                       std::cin, std::cout, std::cerr,   PasswordVariable()};
    int status = 1;
    try {
        status = zerin::cli::RunCli({argv + 1, argv + argc}, context);
    } catch (const std::exception& error) {
        std::cerr << "zerin-cli: internal error: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "zerin-cli: internal error\n";
    }
    std::cout.flush();
    return status;
}
