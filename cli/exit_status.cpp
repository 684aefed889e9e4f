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

WriteResult ResultOfWrite(const std::optional<PacketHeader>& reply, uint16_t command) {
    if (!reply || reply->command != command) {
        return WriteResult::kNoAnswer;
    }
    return reply->status == 0 ? WriteResult::kAccepted : WriteResult::kRefused;
}

const char* WriteResultName(WriteResult result) {
    switch (result) {
        case WriteResult::kAccepted:
            return "accepted";
        case WriteResult::kRefused:
            return "refused";
        default:
            return "no answer";
    }
}

ExitStatus StatusOfWrite(WriteResult result) {
    return result == WriteResult::kAccepted ? kExitDone : kExitNoAnswer;
}

ExitStatus StatusOfVerification(const VerificationResult& result) {
    switch (result.verification) {
        case Verification::kAccepted:
            return kExitDone;
        case Verification::kNotSent:
            return kExitNetworkFailed;
        default:
            return ResultOfWrite(result.reply, CMD_VERIFY) == WriteResult::kRefused
                       ? kExitNotAccepted
                       : kExitNoAnswer;
    }
}

ExitStatus FinalStatus(ExitStatus status, bool networkFailed) {
    return networkFailed ? kExitNetworkFailed : status;
}

}  // namespace zerin::cli
