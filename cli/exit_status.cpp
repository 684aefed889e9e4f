// The exit status rules.
#include "cli/exit_status.h"

namespace zerin::cli {

namespace {

const char* Meaning(ExitStatus status) {
    switch (status) {
        case kExitDone:
            return "done";
        case kExitNoAnswer:
            return "the device did not answer, or refused the settings";
        case kExitBadInput:
            return "bad arguments, bad input, or no such device";
        case kExitNotAccepted:
            return "the administrator name or password was not accepted";
        default:
            return "the network failed (the sockets layer, or a request that could not be sent)";
    }
}

}  // namespace

std::string ExitStatusHelp(std::initializer_list<ExitStatus> statuses) {
    std::string help = "Exit status:";
    for (const ExitStatus status : statuses) {
        help += "\n  " + std::to_string(status) + "  " + Meaning(status);
    }
    return help;
}

std::string ExitStatusHelp() {
    return ExitStatusHelp(
        {kExitDone, kExitNoAnswer, kExitBadInput, kExitNotAccepted, kExitNetworkFailed});
}

ExitStatus StatusOfWrite(WriteResult result) {
    return result == WriteResult::kAccepted ? kExitDone : kExitNoAnswer;
}

ExitStatus StatusOfVerification(const VerificationResult& result) {
    switch (VerdictOf(result)) {
        case VerificationVerdict::kAccepted:
            return kExitDone;
        case VerificationVerdict::kNotSent:
            return kExitNetworkFailed;
        case VerificationVerdict::kNotAccepted:
            return kExitNotAccepted;
        default:
            return kExitNoAnswer;
    }
}

ExitStatus FinalStatus(ExitStatus status, bool networkFailed) {
    return networkFailed ? kExitNetworkFailed : status;
}

}  // namespace zerin::cli
