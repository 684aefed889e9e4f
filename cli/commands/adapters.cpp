// The adapters command.
#include "cli/commands/adapters.h"

#include "cli/exit_status.h"
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
        return command;
    }

    int Run(CommandContext& context) override {
        Json array = Json::array();
        for (const NetworkAdapter& adapter : context.adapters.List()) {
            if (json_) {
                array.push_back({{"name", adapter.name},
                                 {"address", FormatIpv4(adapter.address)},
                                 {"prefixLength", adapter.prefixLength},
                                 {"broadcast", FormatIpv4(BroadcastAddress(adapter))}});
            } else {
                context.out << adapter.name << '\t' << FormatIpv4(adapter.address) << '/'
                            << adapter.prefixLength << '\t' << FormatIpv4(BroadcastAddress(adapter))
                            << '\n';
            }
        }
        if (json_) {
            PrintJson(context, array);
        }
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
