// The set-network command.
#include "cli/set_network_command.h"

#include "cli/settings_command.h"
#include "cli/value_parsers.h"

namespace zerin::cli {

namespace {

// The address options, in the order of the request's fields.
constexpr const char* kAddressOptions[] = {"--ip", "--mask", "--gateway", "--dns1", "--dns2"};

int SendNetworkSettings(CommandContext& context, const DeviceRecord& record,
                        const NetworkSettings& settings) {
    const SettingsUpdateResult result =
        SetNetworkInfo(context.sockets, context.reporter, record.macAddress, settings);
    if (result.code != 0) {
        return kExitFailure;
    }
    const bool refused =
        result.reply && result.reply->command == CMD_SET_NETWORK_INFO && result.reply->status != 0;
    context.out << (refused ? "refused; " : "sent; ")
                << DescribeReply(result.reply, CMD_SET_NETWORK_INFO) << '\n';
    return refused ? kExitFailure : kExitSuccess;
}

int RunSetNetwork(const Arguments& arguments, CommandContext& context) {
    return RunSettingsCommand<NetworkSettings>(arguments, context, NetworkSettingsFrom,
                                               SendNetworkSettings);
}

}  // namespace

const Command& SetNetworkCommand() {
    static const Command command{
        "set-network",
        "DEVICE [--dhcp | --static] [--ip A] [--mask A] [--gateway A] [--dns1 A] [--dns2 A]",
        1,
        {{"--dhcp", false},
         {"--static", false},
         {"--ip", true},
         {"--mask", true},
         {"--gateway", true},
         {"--dns1", true},
         {"--dns2", true}},
        RunSetNetwork};
    return command;
}

std::optional<NetworkSettings> NetworkSettingsFrom(const DeviceRecord& record,
                                                   const Arguments& arguments, std::string& error) {
    if (arguments.Has("--dhcp") && arguments.Has("--static")) {
        return Refuse(error, "give --dhcp or --static, not both");
    }
    NetworkSettings settings;
    settings.protocolIndex = arguments.Has("--dhcp")     ? 1
                             : arguments.Has("--static") ? 0
                                                         : (record.ipStatus != 0 ? 1 : 0);
    const char* const reported[] = {record.ipAddress, record.subnetMask, record.defaultGateway,
                                    record.primaryDns, record.secondaryDns};
    std::string* const addresses[] = {&settings.ipAddress, &settings.subnetMask,
                                      &settings.defaultGateway, &settings.primaryDns,
                                      &settings.secondaryDns};
    for (size_t i = 0; i < std::size(kAddressOptions); ++i) {
        const auto given = arguments.Value(kAddressOptions[i]);
        if (given && !IsDottedQuad(*given)) {
            return Refuse(error, std::string(kAddressOptions[i]) + " takes a dotted IPv4 address");
        }
        *addresses[i] = given.value_or(reported[i]);
    }
    return settings;
}

}  // namespace zerin::cli
