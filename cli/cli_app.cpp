// Dispatch of the command line to its command.
#include "cli/cli_app.h"

#include <algorithm>
#include <memory>
#include <regex>

#include "cli/commands/adapters.h"
#include "cli/commands/apply.h"
#include "cli/commands/completion.h"
#include "cli/commands/export.h"
#include "cli/commands/help.h"
#include "cli/commands/search.h"
#include "cli/commands/set_device.h"
#include "cli/commands/set_network.h"
#include "cli/commands/show.h"
#include "cli/commands/timezones.h"
#include "cli/commands/verify.h"
#include "cli/exit_status.h"
#include "zerin_version.h"

namespace zerin::cli {

namespace {

constexpr char kDescription[] =
    "zerin-cli: find the network storage devices on the local network, show their details and "
    "write their settings. DEVICE is a device's name or MAC address (in any common form). --json "
    "may also stand before the command.";

// The flags every command takes, which may also stand before the command.
const char* const kEveryCommandsFlags[] = {"--json"};

std::vector<std::unique_ptr<Command>> Commands(const CLI::App& tool) {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(MakeAdaptersCommand());
    commands.push_back(MakeSearchCommand());
    commands.push_back(MakeShowCommand());
    commands.push_back(MakeVerifyCommand());
    commands.push_back(MakeSetDeviceCommand());
    commands.push_back(MakeSetNetworkCommand());
    commands.push_back(MakeApplyCommand());
    commands.push_back(MakeExportCommand());
    commands.push_back(MakeTimeZonesCommand());
    commands.push_back(MakeHelpCommand(tool));
    commands.push_back(MakeCompletionCommand(tool));
    return commands;
}

// CLI11's own wordings in the tool's: "--window: takes ..." as "--window takes ...", an unknown
// option or word named as such, a missing command with where the commands are listed.
std::string FailureText(const CLI::App* app, const CLI::Error& error) {
    std::string text = CLI::FailureMessage::simple(app, error);
    text = std::regex_replace(text, std::regex("^(-[-\\w]+): takes "), "$1 takes ");
    text = std::regex_replace(
        text, std::regex("^The following arguments? (was|were) not expected: "), "unexpected ");
    text = std::regex_replace(text, std::regex("^(-[-\\w]+): At Most 1 required but received \\d+"),
                              "$1 is given more than once");
    text = std::regex_replace(text, std::regex("^(-[-\\w]+): \\d+ required (\\S+) missing"),
                              "$1 takes a value: $2");
    text = std::regex_replace(text, std::regex("^A subcommand is required"),
                              "a command is required: zerin-cli help lists them");
    text = std::regex_replace(text, std::regex("Run with --help for more information\\.\n?$"),
                              "Run zerin-cli help for more information.\n");
    return "zerin-cli: " + text;
}

void Describe(CLI::App& tool) {
    tool.set_version_flag("--version", "zerin-cli " ZERIN_VERSION_TEXT);
    tool.require_subcommand(1);
    tool.footer(ExitStatusHelp());
    tool.failure_message(FailureText);
    tool.get_formatter()->column_width(34);
    tool.get_formatter()->label("SUBCOMMAND", "COMMAND");
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

bool IsEveryCommandsFlag(const std::string& word) {
    return std::find(std::begin(kEveryCommandsFlags), std::end(kEveryCommandsFlags), word) !=
           std::end(kEveryCommandsFlags);
}

// The flags every command takes moved from before the command to after it.
std::vector<std::string> WithFlagsAfterTheCommand(std::vector<std::string> words) {
    const auto command = std::find_if(words.begin(), words.end(),
                                      [](const std::string& w) { return !IsEveryCommandsFlag(w); });
    if (command == words.begin() || command == words.end() || command->rfind('-', 0) == 0) {
        return words;
    }
    std::rotate(words.begin(), command, command + 1);
    return words;
}

// A first word that is neither an option nor a command's name.
bool IsUnknownCommand(const std::vector<CLI::App*>& declared, const std::string& word) {
    return word.rfind('-', 0) != 0 &&
           std::none_of(declared.begin(), declared.end(),
                        [&](CLI::App* c) { return c->get_name() == word; });
}

// Under --json, the command's outcome as one JSON value.
int Ended(CommandContext& context, const CLI::App& command, int status) {
    const CLI::Option* json = command.get_option_no_throw("--json");
    if (json && json->count() > 0) {
        EndJson(context, status);
    }
    return status;
}

}  // namespace

int RunCli(const std::vector<std::string>& given, CommandContext& context) {
    const std::vector<std::string> words = WithFlagsAfterTheCommand(WithHelpSpelledOut(given));
    CLI::App tool(kDescription, "zerin-cli");
    Describe(tool);
    const auto commands = Commands(tool);
    std::vector<CLI::App*> declared;
    for (const auto& command : commands) {
        declared.push_back(command->Declare(tool));
        declared.back()->group("Commands");
    }
    context.lastSaid.clear();
    context.answer.reset();
    context.printedJson = false;
    if (!words.empty() && IsUnknownCommand(declared, words[0])) {
        Say(context, "unknown command " + words[0] + "\nRun zerin-cli help for more information.");
        return kExitBadInput;
    }
    try {
        tool.parse(std::vector<std::string>(words.rbegin(), words.rend()));
    } catch (const CLI::ParseError& error) {
        return tool.exit(error, context.out, context.err) == 0 ? kExitDone : kExitBadInput;
    }
    for (size_t i = 0; i < commands.size(); ++i) {
        if (declared[i]->parsed()) {
            return Ended(context, *declared[i], commands[i]->Run(context));
        }
    }
    return kExitBadInput;
}

}  // namespace zerin::cli
