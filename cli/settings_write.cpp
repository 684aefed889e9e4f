// The settings write of set-device and set-network.
#include "cli/settings_write.h"

#include "cli/exit_status.h"
#include "operations/password_broadcast.h"
#include "operations/write_verdict.h"
#include "protocol/device_texts.h"

namespace zerin::cli {

void SettingsWriteCommand::AddWriteOptions(CLI::App& command) {
    AddDeviceTarget(command, target_);
    AddCredentialOptions(command, credentials_);
    AddNoBroadcastPasswordOption(command, refuseBroadcastPassword_);
}

int SettingsWriteCommand::Run(CommandContext& context) {
    const GivenPassword given = ReadPasswordSources(context, credentials_);
    if (!given.error.empty()) {
        return kExitBadInput;
    }
    const TargetLookup lookup = FindTarget(context, target_);
    if (!lookup.found.record) {
        return Finish(context, lookup.status);
    }
    DeviceRecord& record = *lookup.found.record;
    const WriteReport report =
        WriteSettings(context.sockets, context.reporter, record,
                      ExchangeOptionsOf(WaitsOf(target_), record), Steps(context, given.password));
    return Finish(context, Conclude(context, record, report));
}

WriteSteps SettingsWriteCommand::Steps(CommandContext& context,
                                       const std::optional<std::string>& given) {
    return {NeededReply(),
            [this](const DeviceRecord& record, std::string& error) { return Plan(record, error); },
            [this, &context, given](const DeviceRecord& record) {
                return CredentialsFor(context, record, given);
            },
            nullptr,
            [this, &context](const DeviceRecord& record) {
                return MayVerify(record, refuseBroadcastPassword_,
                                 [&context](const std::string& text) { Say(context, text); });
            }};
}

std::optional<Credentials> SettingsWriteCommand::CredentialsFor(
    CommandContext& context, const DeviceRecord& record,
    const std::optional<std::string>& given) const {
    const std::string device = record.name;
    if (!credentials_.user) {
        Say(context, device + " asks for its administrator's name and password: give --user NAME " +
                         "and " + kPasswordSourcesHelp + ", nothing written");
        return std::nullopt;
    }
    const auto password = PasswordOrPrompt(context, credentials_, given, device);
    if (!password) {
        return std::nullopt;
    }
    return Credentials{*credentials_.user, *password};
}

int SettingsWriteCommand::Conclude(CommandContext& context, const DeviceRecord& record,
                                   const WriteReport& report) {
    const std::string nothingWritten = WriteOutcomeText(report, record) + ", nothing written";
    switch (report.outcome) {
        case WriteOutcome::kAccepted:
        case WriteOutcome::kRefused:
        case WriteOutcome::kNoAnswer:
            return Report(context, record, report);
        case WriteOutcome::kNetworkFailed:
            return kExitNetworkFailed;
        case WriteOutcome::kCredentialsMissing:
            return kExitBadInput;
        case WriteOutcome::kUnplannable:
        case WriteOutcome::kBroadcastRefused:
            Say(context, nothingWritten);
            return kExitBadInput;
        case WriteOutcome::kNotAccepted:
            Say(context, nothingWritten);
            return kExitNotAccepted;
        case WriteOutcome::kNoDetails:
        case WriteOutcome::kNoVerificationAnswer:
            Say(context, nothingWritten);
            return kExitNoAnswer;
        default:
            return kExitDone;
    }
}

int SettingsWriteCommand::Report(CommandContext& context, const DeviceRecord& record,
                                 const WriteReport& report) {
    const WriteResult written = ResultOfWrite(report.lastReply, report.lastCommand);
    if (target_.json) {
        const Json status =
            written == WriteResult::kNoAnswer ? Json(nullptr) : Json(report.lastReply->status);
        PrintJson(context, {{"device", FormatMacAddress(record.macAddress)},
                            {"sent", SentFields(report.planned)},
                            {"result", WriteResultName(written)},
                            {"status", status}});
    } else {
        context.out << WriteResultName(written);
        if (written == WriteResult::kRefused) {
            context.out << " (status " << report.lastReply->status << ')';
        }
        context.out << '\n';
    }
    return StatusOfWrite(written);
}

}  // namespace zerin::cli
