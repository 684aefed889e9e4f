// The course of a settings write.
#include "operations/device_write.h"

#include "operations/detail_replies.h"
#include "operations/password_broadcast.h"
#include "operations/write_verdict.h"
#include "protocol/administrator_verification.h"
#include "protocol/device_details.h"

namespace zerin {

namespace {

bool Stopped(const WriteSteps& steps) {
    return steps.stopRequested && steps.stopRequested();
}

// kAccepted when the settings may be written: the device is not guarded, or it accepted the name
// and password.
WriteOutcome PassGuard(SocketLayer& sockets, Reporter& reporter, const DeviceRecord& record,
                       const ExchangeOptions& options, const WriteSteps& steps) {
    if (record.passwordFlag == 0) {
        return WriteOutcome::kAccepted;
    }
    const auto credentials = steps.credentials(record);
    if (!credentials) {
        return WriteOutcome::kCredentialsMissing;
    }
    if (steps.mayVerify && !steps.mayVerify(record)) {
        return WriteOutcome::kBroadcastRefused;
    }
    const VerificationResult result =
        VerifyAdministrator(sockets, reporter, record.macAddress, credentials->user,
                            credentials->password, ForVerification(options, record));
    switch (VerdictOf(result)) {
        case VerificationVerdict::kAccepted:
            return WriteOutcome::kAccepted;
        case VerificationVerdict::kNotAccepted:
            return WriteOutcome::kNotAccepted;
        case VerificationVerdict::kNotSent:
            return WriteOutcome::kNetworkFailed;
        default:
            return WriteOutcome::kNoVerificationAnswer;
    }
}

// Keeps how the device took one write; true when it accepted it.
bool Taken(WriteReport& report, uint16_t command, const SettingsUpdateResult& result) {
    report.lastCommand = command;
    report.lastReply = result.reply;
    if (result.code != 0) {
        report.outcome = WriteOutcome::kNetworkFailed;
        return false;
    }
    switch (ResultOfWrite(result.reply, command)) {
        case WriteResult::kAccepted:
            report.outcome = WriteOutcome::kAccepted;
            return true;
        case WriteResult::kRefused:
            report.outcome = WriteOutcome::kRefused;
            return false;
        default:
            report.outcome = WriteOutcome::kNoAnswer;
            return false;
    }
}

// The device settings first, then the network settings, as the wizard's pages write them; a stop
// between the two leaves the second unsent.
void SendWrites(SocketLayer& sockets, Reporter& reporter, const DeviceRecord& record,
                const ExchangeOptions& options, const WriteSteps& steps, WriteReport& report) {
    const PlannedWrites& planned = report.planned;
    if (planned.device && !Taken(report, CMD_SET_DEVICE_INFO,
                                 SetDeviceInfo(sockets, reporter, record.macAddress, record.name,
                                               *planned.device, options))) {
        return;
    }
    if (planned.device && planned.network && Stopped(steps)) {
        report.stoppedBetweenWrites = true;
        return;
    }
    if (planned.network) {
        Taken(report, CMD_SET_NETWORK_INFO,
              SetNetworkInfo(sockets, reporter, record.macAddress, *planned.network, options));
    }
}

// The detail queries and the plan over what they report; false, with the outcome, when the
// course ends there.
bool Plan(SocketLayer& sockets, Reporter& reporter, DeviceRecord& record,
          const ExchangeOptions& options, const WriteSteps& steps, WriteReport& report) {
    const DeviceDetails details = QueryDeviceDetails(sockets, reporter, record, options);
    if (!details.opened) {
        return false;
    }
    report.missingReply = MissingReply(details, steps.neededReply);
    if (report.missingReply) {
        report.outcome = WriteOutcome::kNoDetails;
        return false;
    }
    const auto planned = steps.plan(record, report.planError);
    if (!planned) {
        report.outcome = WriteOutcome::kUnplannable;
        return false;
    }
    report.planned = *planned;
    report.outcome = !planned->device && !planned->network ? WriteOutcome::kNothingToWrite
                     : Stopped(steps)                      ? WriteOutcome::kStopped
                                                           : WriteOutcome::kAccepted;
    return report.outcome == WriteOutcome::kAccepted;
}

const char* WriteName(uint16_t command) {
    return command == CMD_SET_DEVICE_INFO ? "device settings" : "network settings";
}

}  // namespace

WriteReport WriteSettings(SocketLayer& sockets, Reporter& reporter, DeviceRecord& record,
                          const ExchangeOptions& options, const WriteSteps& steps) {
    WriteReport report;
    if (!Plan(sockets, reporter, record, options, steps, report)) {
        return report;
    }
    report.outcome = PassGuard(sockets, reporter, record, options, steps);
    if (report.outcome == WriteOutcome::kAccepted) {
        SendWrites(sockets, reporter, record, options, steps, report);
    }
    return report;
}

std::string WriteOutcomeText(const WriteReport& report, const DeviceRecord& record) {
    switch (report.outcome) {
        case WriteOutcome::kNetworkFailed:
            return "the network failed";
        case WriteOutcome::kNoDetails:
            return "no answer to the " + DetailRequestName(*report.missingReply) + " request";
        case WriteOutcome::kUnplannable:
            return report.planError;
        case WriteOutcome::kCredentialsMissing:
            return std::string(record.name) + " asks for its administrator's name and password";
        case WriteOutcome::kBroadcastRefused:
            return BroadcastRefusedText(record);
        case WriteOutcome::kNotAccepted:
            return VerdictText(VerificationVerdict::kNotAccepted, record.name);
        case WriteOutcome::kNoVerificationAnswer:
            return VerdictText(VerificationVerdict::kNoAnswer, record.name);
        case WriteOutcome::kRefused:
            return std::string("the device refused the ") + WriteName(report.lastCommand);
        case WriteOutcome::kNoAnswer:
            return std::string("no answer to the ") + WriteName(report.lastCommand);
        case WriteOutcome::kStopped:
            return "stopped before its writes";
        default:
            return "";
    }
}

}  // namespace zerin
