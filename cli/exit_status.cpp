// The exit status rules.
#include "cli/exit_status.h"

namespace zerin::cli {

const char kExitStatusHelp[] =
    "Exit status:\n"
    "  0  done\n"
    "  1  the device did not answer, or refused the settings\n"
    "  2  bad arguments, bad input, or no such device\n"
    "  3  the administrator name or password was not accepted\n"
    "  4  the network failed (the sockets layer, or a request that could not be sent)";

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
