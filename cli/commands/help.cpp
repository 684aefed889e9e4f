// The help command.
#include "cli/commands/help.h"

#include "cli/exit_status.h"

namespace zerin::cli {

namespace {

class HelpCommand : public Command {
  public:
    explicit HelpCommand(const CLI::App& tool) : tool_(tool) {}

    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command =
            tool.add_subcommand("help", "Show the help of zerin-cli or of a command");
        command->add_option("COMMAND", name_, "the command");
        command->footer(ExitStatusHelp({kExitDone, kExitBadInput}));
        return command;
    }

    int Run(CommandContext& context) override {
        if (name_.empty()) {
            context.out << tool_.get_formatter()->make_help(&tool_, "zerin-cli",
                                                            CLI::AppFormatMode::Normal);
            return kExitDone;
        }
        const auto named = tool_.get_subcommands(
            [this](const CLI::App* command) { return command->get_name() == name_; });
        if (named.empty()) {
            Say(context, "no command " + name_ + ": zerin-cli help lists them");
            return kExitBadInput;
        }
        context.out << named.front()->get_formatter()->make_help(
            named.front(), "zerin-cli " + name_, CLI::AppFormatMode::Normal);
        return kExitDone;
    }

  private:
    const CLI::App& tool_;
    std::string name_;
};

}  // namespace

std::unique_ptr<Command> MakeHelpCommand(const CLI::App& tool) {
    return std::make_unique<HelpCommand>(tool);
}

}  // namespace zerin::cli
