// The verification before a guarded device is written.
#include "cli/administrator_guard.h"

#include "cli/exit_status.h"
#include "protocol/administrator_verification.h"

namespace zerin::cli {

namespace {

void SayCredentialsNeeded(CommandContext& context, const std::string& device) {
    Say(context, device + " asks for its administrator's name and password: give --user NAME and " +
                     kPasswordSourcesHelp + ", nothing written");
}

int SayVerificationOutcome(CommandContext& context, const std::string& device, int status) {
    if (status == kExitNotAccepted) {
        Say(context,
            device + " did not accept the administrator name or password, nothing written");
    } else if (status == kExitNoAnswer) {
        Say(context, "no answer to the verification request, nothing written");
    }
    return status;
}

}  // namespace

int PassAdministratorGuard(CommandContext& context, const DeviceRecord& record,
                           const CredentialOptions& credentials,
                           const std::optional<std::string>& given,
                           const ExchangeOptions& options) {
    if (record.passwordFlag == 0) {
        return kExitDone;
    }
    const std::string device = record.name;
    if (!credentials.user) {
        SayCredentialsNeeded(context, device);
        return kExitBadInput;
    }
    const auto password = PasswordOrPrompt(context, credentials, given, device);
    if (!password) {
        return kExitBadInput;
    }
    const VerificationResult result =
        VerifyAdministrator(context.sockets, context.reporter, record.macAddress, *credentials.user,
                            *password, options);
    return SayVerificationOutcome(context, device, StatusOfVerification(result));
}

}  // namespace zerin::cli
