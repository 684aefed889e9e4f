// The verdicts of writes and verifications.
#include "operations/write_verdict.h"

namespace zerin {

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

VerificationVerdict VerdictOf(const VerificationResult& result) {
    switch (result.verification) {
        case Verification::kAccepted:
            return VerificationVerdict::kAccepted;
        case Verification::kNotSent:
            return VerificationVerdict::kNotSent;
        default:
            return ResultOfWrite(result.reply, CMD_VERIFY) == WriteResult::kRefused
                       ? VerificationVerdict::kNotAccepted
                       : VerificationVerdict::kNoAnswer;
    }
}

std::string VerdictText(VerificationVerdict verdict, const std::string& device) {
    switch (verdict) {
        case VerificationVerdict::kNotAccepted:
            return device + " did not accept the administrator name or password";
        case VerificationVerdict::kNoAnswer:
            return "no answer to the verification request";
        default:
            return "";
    }
}

}  // namespace zerin
