// The verify command.
#include "cli/verify_command.h"

#include "protocol/administrator_verification.h"
#include "cli/device_lookup.h"

namespace zerin::cli {

namespace {

// The Verify dialog's edits take no more than this.
constexpr size_t kMaxNameLength = 16;
constexpr size_t kMaxPasswordLength = 8;

int RunVerify(const Arguments& arguments, CommandContext& context) {
    const std::string name = arguments.Value("--user").value_or("");
    const std::string password = arguments.Value("--password").value_or("");
    if (!arguments.Has("--user") || name.size() > kMaxNameLength ||
        password.size() > kMaxPasswordLength) {
        context.err << "zerin-cli: verify needs --user of at most 16 characters and a password "
                       "of at most 8\n";
        return kExitUsage;
    }
    const auto record = LookUpDevice(context, arguments.positional[0]);
    if (!record) {
        return kExitUsage;
    }
    const VerificationResult result =
        VerifyAdministrator(context.sockets, context.reporter, record->macAddress, name, password);
    switch (result.verification) {
        case Verification::kAccepted:
            context.out << "accepted\n";
            return kExitSuccess;
        case Verification::kNotAccepted:
            context.out << "not accepted: " << DescribeReply(result.reply, CMD_VERIFY) << '\n';
            return kExitFailure;
        default:
            return kExitFailure;
    }
}

}  // namespace

const Command& VerifyCommand() {
    static const Command command{"verify",
                                 "DEVICE --user NAME [--password PW]",
                                 1,
                                 {{"--user", true}, {"--password", true}},
                                 RunVerify};
    return command;
}

}  // namespace zerin::cli
