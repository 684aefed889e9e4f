// The set-network command.
#include "cli/commands/set_network.h"

#include <algorithm>
#include <iterator>

#include "cli/option_checks.h"
#include "cli/settings_write.h"
#include "operations/device_json.h"
#include "operations/settings_over_record.h"

namespace zerin::cli {

namespace {

class SetNetworkCommand : public SettingsWriteCommand {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "set-network",
            "Write a device's IP settings; what is not given keeps the device's value");
        AddWriteOptions(*command);
        CLI::Option* dhcp =
            command->add_flag("--dhcp", options_.dhcp, "the device takes its address by DHCP");
        command->add_flag("--static", options_.staticAddress, "the device keeps a static address")
            ->excludes(dhcp);
        for (size_t i = 0; i < std::size(kAddressNames); ++i) {
            command
                ->add_option(std::string("--") + kAddressNames[i].key, options_.addresses[i],
                             kAddressNames[i].help)
                ->type_name("A")
                ->check(AddressCheck());
        }
        return command;
    }

  protected:
    uint16_t NeededReply() const override { return CMD_GET_NETWORK_INFO; }

    std::optional<PlannedWrites> Plan(const DeviceRecord& record, std::string&) override {
        return PlannedWrites{std::nullopt, NetworkSettingsFrom(record, options_)};
    }

    Json SentFields(const PlannedWrites& planned) const override {
        return NetworkSettingsJson(*planned.network);
    }

  private:
    NetworkSettingsOptions options_;
};

}  // namespace

std::unique_ptr<Command> MakeSetNetworkCommand() {
    return std::make_unique<SetNetworkCommand>();
}

NetworkSettings NetworkSettingsFrom(const DeviceRecord& record,
                                    const NetworkSettingsOptions& options) {
    NetworkSettingsChange change;
    if (options.dhcp || options.staticAddress) {
        change.mode = options.dhcp ? "dhcp" : "static";
    }
    std::copy(std::begin(options.addresses), std::end(options.addresses), change.addresses);
    return NetworkSettingsOver(record, change);
}

}  // namespace zerin::cli
