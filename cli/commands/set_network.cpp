// The set-network command.
#include "cli/commands/set_network.h"

#include <algorithm>
#include <iterator>

#include "cli/option_checks.h"
#include "cli/settings_write.h"
#include "operations/network_rule.h"

namespace zerin::cli {

namespace {

class SetNetworkCommand : public SettingsWriteCommand {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "set-network",
            "Write a device's IP settings: only what differs from the device's report is written, "
            "what is not given keeps the device's value, and no setting that would lose the "
            "device goes out");
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

    std::string OptionsError() const override { return NetworkOptionsError(options_); }

    std::optional<FleetSettings> Settings(const DeviceRecord&, std::string&) const override {
        FleetSettings settings;
        settings.network = NetworkChangeFrom(options_);
        return settings;
    }

  private:
    NetworkSettingsOptions options_;
};

}  // namespace

std::unique_ptr<Command> MakeSetNetworkCommand() {
    return std::make_unique<SetNetworkCommand>();
}

NetworkSettingsChange NetworkChangeFrom(const NetworkSettingsOptions& options) {
    NetworkSettingsChange change;
    if (options.dhcp || options.staticAddress) {
        change.mode = options.dhcp ? "dhcp" : "static";
    }
    std::copy(std::begin(options.addresses), std::end(options.addresses), change.addresses);
    return change;
}

std::string NetworkOptionsError(const NetworkSettingsOptions& options) {
    const auto& given = options.addresses;
    if (!options.dhcp && !options.staticAddress &&
        std::none_of(std::begin(given), std::end(given), [](const auto& a) { return a; })) {
        return "nothing to set: give --dhcp, --static, --ip, --mask, --gateway, --dns1 or --dns2";
    }
    if (options.dhcp) {
        return "";
    }
    const std::string losing = LosingAddress(given, [](size_t i) {
        return kOptionsGive.addressPrefix + std::string(kAddressNames[i].key);
    });
    return losing.empty() ? "" : losing + ": the device would be lost, nothing sent";
}

}  // namespace zerin::cli
