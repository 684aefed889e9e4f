// The settings write of set-device and set-network.
#include "cli/settings_write.h"

#include "cli/exit_status.h"
#include "operations/device_json.h"
#include "operations/password_broadcast.h"
#include "operations/write_verdict.h"
#include "protocol/device_texts.h"

namespace zerin::cli {

namespace {

Json SentJson(const PlannedWrites& planned) {
    return planned.device    ? DeviceSettingsJson(*planned.device)
           : planned.network ? NetworkSettingsJson(*planned.network)
                             : Json(nullptr);
}

}  // namespace

const GivenInstead kOptionsGive = {"--description", "--date YYYY-MM-DD", "--time HH:MM:SS",
                                   "--static", "--"};

void SettingsWriteCommand::AddWriteOptions(CLI::App& command) {
    AddDeviceTarget(command, target_);
    command.add_flag("--dry-run", dryRun_,
                     "print what would change; send no write, no verification");
    AddCredentialOptions(command, credentials_);
    AddNoBroadcastPasswordOption(command, refuseBroadcastPassword_);
    command.footer(ExitStatusHelp());
}

int SettingsWriteCommand::Run(CommandContext& context) {
    if (const std::string error = OptionsError(); !error.empty()) {
        Say(context, error);
        return kExitBadInput;
    }
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
                                 [&context](const std::string& text) { Warn(context, text); });
            }};
}

// The writes of what differs; none when nothing does or in a dry run.
std::optional<PlannedWrites> SettingsWriteCommand::Plan(const DeviceRecord& record,
                                                        std::string& error) {
    const auto settings = Settings(record, error);
    if (!settings) {
        return std::nullopt;
    }
    FleetPlan plan = PlanChanges(*settings, record, LocalTimeNow(), kOptionsGive);
    changes_ = plan.changes;
    error = plan.error;
    if (!error.empty()) {
        return std::nullopt;
    }
    return plan.changes.empty() || dryRun_ ? PlannedWrites{} : plan.writes;
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
    if (target_.json) {
        Answer(context, {{"device", FormatMacAddress(record.macAddress)}});
    }
    switch (report.outcome) {
        case WriteOutcome::kAccepted:
        case WriteOutcome::kRefused:
        case WriteOutcome::kNoAnswer:
        case WriteOutcome::kNothingToWrite:
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

// "accepted", "refused (status N)" or "no answer" for a write; "unchanged", or in a dry run
// "would change: ..." for none.
int SettingsWriteCommand::Report(CommandContext& context, const DeviceRecord& record,
                                 const WriteReport& report) {
    const bool wrote = report.outcome != WriteOutcome::kNothingToWrite;
    const WriteResult written = ResultOfWrite(report.lastReply, report.lastCommand);
    const std::string result = wrote              ? WriteResultName(written)
                               : changes_.empty() ? "unchanged"
                                                  : "would change";
    const bool answered = wrote && written != WriteResult::kNoAnswer;
    if (wrote && written != WriteResult::kAccepted) {
        Say(context, WriteOutcomeText(report, record));
    }
    if (target_.json) {
        Answer(context, {{"device", FormatMacAddress(record.macAddress)},
                         {"sent", SentJson(report.planned)},
                         {"result", result},
                         {"status", answered ? Json(report.lastReply->status) : Json(nullptr)},
                         {"changes", ChangesJson(changes_)}});
    } else if (written == WriteResult::kRefused && wrote) {
        context.out << result << " (status " << report.lastReply->status << ")\n";
    } else {
        context.out << result << (wrote || changes_.empty() ? "" : ": " + ChangesText(changes_))
                    << '\n';
    }
    return wrote ? StatusOfWrite(written) : kExitDone;
}

}  // namespace zerin::cli
