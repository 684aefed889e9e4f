// The set-device command.
#include "cli/set_device_command.h"

#include "protocol/description_rule.h"
#include "cli/settings_command.h"
#include "cli/value_parsers.h"

namespace zerin::cli {

namespace {

// The time-zone list has 75 entries; a device's index beyond it selects none.
constexpr int kTimeZoneCount = 75;

std::optional<uint8_t> VerificationFlag(const DeviceRecord& record, const Arguments& arguments) {
    const std::string answer = arguments.Value("--ask-password").value_or("");
    if (answer.empty()) {
        return record.passwordFlag != 0 ? 1 : 0;
    }
    if (answer != "yes" && answer != "no") {
        return std::nullopt;
    }
    return answer == "yes" ? 1 : 0;
}

std::optional<int> TimeZoneIndex(const DeviceRecord& record, const Arguments& arguments) {
    const auto given = arguments.Value("--timezone");
    if (!given) {
        return record.timeZoneIndex < kTimeZoneCount ? record.timeZoneIndex : -1;
    }
    return *given == "none" ? std::optional<int>(-1) : ParseNumber(*given, 0, kTimeZoneCount - 1);
}

// The given description, or the record's as the settings page reads it (63 characters).
std::optional<std::string> Description(const DeviceRecord& record, const Arguments& arguments) {
    const std::string description =
        arguments.Value("--description")
            .value_or(std::string(record.description).substr(0, kDescriptionMaxLength));
    if (description.size() > kDescriptionMaxLength) {
        return std::nullopt;
    }
    return description;
}

int SendDeviceSettings(CommandContext& context, const DeviceRecord& record,
                       const DeviceSettings& settings) {
    const SettingsUpdateResult result =
        SetDeviceInfo(context.sockets, context.reporter, record.macAddress, record.name, settings);
    if (result.code != 0) {
        return kExitFailure;
    }
    context.out << "sent; " << DescribeReply(result.reply, CMD_SET_DEVICE_INFO) << '\n';
    return kExitSuccess;
}

int RunSetDevice(const Arguments& arguments, CommandContext& context) {
    return RunSettingsCommand<DeviceSettings>(arguments, context, DeviceSettingsFrom,
                                              SendDeviceSettings);
}

}  // namespace

const Command& SetDeviceCommand() {
    static const Command command{
        "set-device",
        "DEVICE [--description TEXT] [--date YYYY-MM-DD] [--time HH:MM:SS] [--timezone INDEX|none] "
        "[--ask-password yes|no]",
        1,
        {{"--description", true},
         {"--date", true},
         {"--time", true},
         {"--timezone", true},
         {"--ask-password", true}},
        RunSetDevice};
    return command;
}

std::optional<DeviceSettings> DeviceSettingsFrom(const DeviceRecord& record,
                                                 const Arguments& arguments, std::string& error) {
    const auto flag = VerificationFlag(record, arguments);
    if (!flag) {
        return Refuse(error, "--ask-password takes yes or no");
    }
    const auto description = Description(record, arguments);
    if (!description) {
        return Refuse(error, "the description takes at most 63 characters");
    }
    if (!IsValidDescription(*description)) {
        return Refuse(error, kInvalidDescriptionMessage);
    }
    const auto date = ParseDate(arguments.Value("--date").value_or(record.deviceDate));
    if (!date) {
        return Refuse(error, "no valid date: give --date YYYY-MM-DD");
    }
    const auto time = ParseTime(arguments.Value("--time").value_or(record.deviceTime));
    if (!time) {
        return Refuse(error, "no valid time: give --time HH:MM:SS");
    }
    const auto timeZone = TimeZoneIndex(record, arguments);
    if (!timeZone) {
        return Refuse(error, "--timezone takes an index from 0 to 74, or none");
    }
    return DeviceSettings{*flag,      *description, date->year,   date->month, date->day,
                          time->hour, time->minute, time->second, *timeZone};
}

}  // namespace zerin::cli
