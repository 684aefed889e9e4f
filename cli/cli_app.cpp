// Dispatch of the command line to its command.
#include "cli/cli_app.h"

#include <algorithm>
#include <memory>

#include "cli/commands/adapters.h"
#include "cli/commands/apply.h"
#include "cli/commands/search.h"
#include "cli/commands/set_device.h"
#include "cli/commands/set_network.h"
#include "cli/commands/show.h"
#include "cli/commands/verify.h"
#include "cli/exit_status.h"
#include "zerin_version.h"

namespace zerin::cli {

namespace {

constexpr char kDescription[] =
    "zerin-cli: find the network storage devices on the local network, show their details and "
    "write their settings. DEVICE is a device's name or MAC address as search prints it.";

std::vector<std::unique_ptr<Command>> Commands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(MakeAdaptersCommand());
    commands.push_back(MakeSearchCommand());
    commands.push_back(MakeShowCommand());
    commands.push_back(MakeVerifyCommand());
    commands.push_back(MakeSetDeviceCommand());
    commands.push_back(MakeSetNetworkCommand());
    commands.push_back(MakeApplyCommand());
    return commands;
}

void Describe(CLI::App& tool) {
    tool.set_version_flag("--version", "zerin-cli " ZERIN_VERSION_TEXT);
    tool.require_subcommand(1);
    tool.footer(kExitStatusHelp);
    tool.failure_message([](const CLI::App* app, const CLI::Error& error) {
        return "zerin-cli: " + CLI::FailureMessage::simple(app, error);
    });
    tool.get_formatter()->column_width(34);
}

// Windows users ask for help with /? or -?.
std::vector<std::string> WithHelpSpelledOut(std::vector<std::string> words) {
    for (std::string& word : words) {
        if (word == "/?" || word == "-?") {
            word = "--help";
        }
    }
    return words;
}

// A first word that is neither an option nor a command's name.
bool IsUnknownCommand(const std::vector<CLI::App*>& declared, const std::string& word) {
    return word.rfind('-', 0) != 0 &&
           std::none_of(declared.begin(), declared.end(),
                        [&](CLI::App* c) { return c->get_name() == word; });
}

}  // namespace

int RunCli(const std::vector<std::string>& given, CommandContext& context) {
    const std::vector<std::string> words = WithHelpSpelledOut(given);
    CLI::App tool(kDescription, "zerin-cli");
    Describe(tool);
    const auto commands = Commands();
    std::vector<CLI::App*> declared;
    for (const auto& command : commands) {
        declared.push_back(command->Declare(tool));
    }
    if (!words.empty() && IsUnknownCommand(declared, words[0])) {
        Say(context, "unknown command " + words[0] + "\nRun with --help for more information.");
        return kExitBadInput;
    }
    try {
        tool.parse(std::vector<std::string>(words.rbegin(), words.rend()));
    } catch (const CLI::ParseError& error) {
        return tool.exit(error, context.out, context.err) == 0 ? kExitDone : kExitBadInput;
    }
    for (size_t i = 0; i < commands.size(); ++i) {
        if (declared[i]->parsed()) {
            return commands[i]->Run(context);
        }
    }
    return kExitBadInput;
}

}  // namespace zerin::cli
