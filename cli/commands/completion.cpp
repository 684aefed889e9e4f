// The completion command.
#include "cli/commands/completion.h"

#include "cli/exit_status.h"

namespace zerin::cli {

namespace {

// "--adapter --target ...": every name of every option of the command, help aside.
std::string OptionNames(const CLI::App& command) {
    std::string names;
    for (const CLI::Option* option : command.get_options()) {
        for (const auto& name : option->get_lnames()) {
            names += (names.empty() ? "--" : " --") + name;
        }
        for (const auto& name : option->get_snames()) {
            names += (names.empty() ? "-" : " -") + name;
        }
    }
    return names;
}

std::string CommandNames(const CLI::App& tool) {
    std::string names;
    for (const CLI::App* command : tool.get_subcommands({})) {
        names += (names.empty() ? "" : " ") + command->get_name();
    }
    return names;
}

class CompletionCommand : public Command {
  public:
    explicit CompletionCommand(const CLI::App& tool) : tool_(tool) {}

    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command =
            tool.add_subcommand("completion",
                                "Print a bash completion script: source it, or put it in "
                                "/usr/share/bash-completion/completions/zerin-cli");
        command->add_option("SHELL", shell_, "the shell")
            ->required()
            ->check(CLI::Validator(
                [](const std::string& shell) {
                    return shell == "bash" ? "" : "takes bash, not \"" + shell + "\"";
                },
                ""));
        command->footer(ExitStatusHelp({kExitDone, kExitBadInput}));
        return command;
    }

    int Run(CommandContext& context) override {
        context.out << BashCompletion(tool_);
        return kExitDone;
    }

  private:
    const CLI::App& tool_;
    std::string shell_;
};

}  // namespace

std::unique_ptr<Command> MakeCompletionCommand(const CLI::App& tool) {
    return std::make_unique<CompletionCommand>(tool);
}

std::string BashCompletion(const CLI::App& tool) {
    std::string cases;
    for (const CLI::App* command : tool.get_subcommands({})) {
        cases +=
            "        " + command->get_name() + ") words=\"" + OptionNames(*command) + "\" ;;\n";
    }
    const std::string commands = CommandNames(tool);
    return "# bash completion for zerin-cli, made by zerin-cli completion bash\n"
           "_zerin_cli() {\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} command= words= i\n"
           "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
           "        case ${COMP_WORDS[i]} in -*) ;; *) command=${COMP_WORDS[i]}; break ;; esac\n"
           "    done\n"
           "    case $command in\n"
           "        '') words=\"" +
           commands + " " + OptionNames(tool) + "\" ;;\n" + cases +
           "    esac\n"
           "    if [[ $command == help && $cur != -* ]]; then\n"
           "        words=\"" +
           commands +
           "\"\n"
           "    elif [[ -n $command && $cur != -* ]]; then\n"
           "        return\n"
           "    fi\n"
           "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
           "}\n"
           "complete -o default -F _zerin_cli zerin-cli\n";
}

}  // namespace zerin::cli
