// zerin-cli: the device protocol from the command line, for scripts and the demo. Every
// command is one entry of the table below; see command.h for the exit statuses.
#include <iostream>
#include <string>
#include <vector>

#include "platform/posix_socket_layer.h"
#include "cli/command.h"
#include "cli/search_command.h"
#include "cli/set_device_command.h"
#include "cli/set_network_command.h"
#include "cli/show_command.h"
#include "cli/verify_command.h"

namespace {

using zerin::cli::Command;

// Messages meant for the user go to standard error, one a line.
struct StderrReporter : zerin::Reporter {
    void Report(const std::string& message) override {
        std::cerr << message << (message.empty() || message.back() != '\n' ? "\n" : "");
    }
};

std::vector<const Command*> Commands() {
    return {&zerin::cli::SearchCommand(), &zerin::cli::ShowCommand(), &zerin::cli::VerifyCommand(),
            &zerin::cli::SetDeviceCommand(), &zerin::cli::SetNetworkCommand()};
}

int Usage(const std::string& problem) {
    if (!problem.empty()) {
        std::cerr << "zerin-cli: " << problem << '\n';
    }
    std::cerr << "usage:\n";
    for (const Command* command : Commands()) {
        std::cerr << "  zerin-cli " << command->name << ' ' << command->synopsis << '\n';
    }
    std::cerr << "DEVICE is a device's name or MAC address as search prints it.\n";
    return zerin::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        return Usage("");
    }
    for (const Command* command : Commands()) {
        if (words[0] != command->name) {
            continue;
        }
        std::string error;
        const auto arguments = zerin::cli::ParseArguments(
            {words.begin() + 1, words.end()}, command->options, command->positionals, error);
        if (!arguments) {
            return Usage(error);
        }
        zerin::PosixSocketLayer sockets;
        StderrReporter reporter;
        zerin::cli::CommandContext context{sockets, reporter, std::cout, std::cerr};
        return command->run(*arguments, context);
    }
    return Usage("unknown command " + words[0]);
}
