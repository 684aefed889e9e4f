// The adapters command.
#include "cli/commands/adapters.h"

#include "cli/exit_status.h"
#include "cli/text_table.h"
#include "protocol/network_adapter.h"

namespace zerin::cli {

namespace {

class AdaptersCommand : public Command {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "adapters",
            "List the network adapters a search goes through: name, address, prefix length and "
            "broadcast address");
        command->add_flag("--json", json_, "print a JSON array");
        command->footer(ExitStatusHelp({kExitDone}));
        return command;
    }

    int Run(CommandContext& context) override {
        Json array = Json::array();
        std::vector<std::vector<std::string>> rows{{"NAME", "ADDRESS", "BROADCAST"}};
        for (const NetworkAdapter& adapter : context.adapters.List()) {
            const std::string address = FormatIpv4(adapter.address);
            const std::string broadcast = FormatIpv4(BroadcastAddress(adapter));
            array.push_back({{"name", adapter.name},
                             {"address", address},
                             {"prefixLength", adapter.prefixLength},
                             {"broadcast", broadcast}});
            rows.push_back(
                {adapter.name, address + "/" + std::to_string(adapter.prefixLength), broadcast});
        }
        PrintListing(context, json_, array, rows);
        return kExitDone;
    }

  private:
    bool json_ = false;
};

}  // namespace

std::unique_ptr<Command> MakeAdaptersCommand() {
    return std::make_unique<AdaptersCommand>();
}

}  // namespace zerin::cli
