// The settings write of set-device and set-network.
#include "cli/settings_write.h"

#include "cli/administrator_guard.h"
#include "cli/detail_replies.h"
#include "cli/exit_status.h"
#include "protocol/device_texts.h"

namespace zerin::cli {

void SettingsWriteCommand::AddWriteOptions(CLI::App& command) {
    AddDeviceTarget(command, target_);
    AddCredentialOptions(command, credentials_);
}

int SettingsWriteCommand::Run(CommandContext& context) {
    const GivenPassword given = ReadPasswordSources(context, credentials_);
    if (!given.error.empty()) {
        return kExitBadInput;
    }
    const Lookup lookup = LookUpDevice(context, target_);
    if (!lookup.found.record) {
        return Finish(context, lookup.status);
    }
    DeviceRecord& record = *lookup.found.record;
    const ExchangeOptions options = ExchangeOptionsOf(target_, lookup.found.adapter);
    const int ready = ReadyToWrite(context, record, options, given.password);
    if (ready != kExitDone) {
        return Finish(context, ready);
    }
    const SettingsUpdateResult result = Write(context, record, options);
    if (result.code != 0) {
        return Finish(context, kExitNetworkFailed);
    }
    return Finish(context, Report(context, record, result));
}

int SettingsWriteCommand::ReadyToWrite(CommandContext& context, DeviceRecord& record,
                                       const ExchangeOptions& options,
                                       const std::optional<std::string>& password) {
    const DeviceDetails details =
        QueryDeviceDetails(context.sockets, context.reporter, record, options);
    if (!details.opened) {
        return kExitNetworkFailed;
    }
    if (const auto missing = MissingReply(details, NeededReply())) {
        Say(context,
            "no answer to the " + DetailRequestName(*missing) + " request, nothing written");
        return kExitNoAnswer;
    }
    const int guard = PassAdministratorGuard(context, record, credentials_, password, options);
    if (guard != kExitDone) {
        return guard;
    }
    std::string error;
    if (!Build(record, error)) {
        Say(context, error + ", nothing written");
        return kExitBadInput;
    }
    return kExitDone;
}

int SettingsWriteCommand::Report(CommandContext& context, const DeviceRecord& record,
                                 const SettingsUpdateResult& result) {
    const WriteResult written = ResultOfWrite(result.reply, WriteCommand());
    if (target_.json) {
        const Json status =
            written == WriteResult::kNoAnswer ? Json(nullptr) : Json(result.reply->status);
        PrintJson({{"device", FormatMacAddress(record.macAddress)},
                   {"sent", SentFields()},
                   {"result", WriteResultName(written)},
                   {"status", status}},
                  context.out);
    } else {
        context.out << WriteResultName(written);
        if (written == WriteResult::kRefused) {
            context.out << " (status " << result.reply->status << ')';
        }
        context.out << '\n';
    }
    return StatusOfWrite(written);
}

}  // namespace zerin::cli
