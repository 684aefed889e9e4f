// The verify command.
#include "cli/commands/verify.h"

#include "cli/device_target.h"
#include "cli/exit_status.h"
#include "cli/password_sources.h"
#include "operations/password_broadcast.h"
#include "protocol/administrator_verification.h"
#include "protocol/device_texts.h"

namespace zerin::cli {

namespace {

class VerifyCommand : public Command {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "verify", "Ask a device whether a name and password are its administrator's");
        AddDeviceTarget(*command, target_);
        AddCredentialOptions(*command, credentials_);
        command->get_option("--user")->required();
        AddNoBroadcastPasswordOption(*command, refuseBroadcast_);
        command->footer(ExitStatusHelp());
        return command;
    }

    int Run(CommandContext& context) override {
        const GivenPassword given = ReadPasswordSources(context, credentials_);
        if (!given.error.empty()) {
            return kExitBadInput;
        }
        const auto password =
            PasswordOrPrompt(context, credentials_, given.password, target_.device);
        if (!password) {
            return kExitBadInput;
        }
        const TargetLookup lookup = FindTarget(context, target_);
        if (!lookup.found.record) {
            return Finish(context, lookup.status);
        }
        const DeviceRecord& record = *lookup.found.record;
        if (target_.json) {
            Answer(context, {{"device", FormatMacAddress(record.macAddress)}});
        }
        const auto warn = [&context](const std::string& text) { Warn(context, text); };
        if (!MayVerify(record, refuseBroadcast_, warn)) {
            Say(context, BroadcastRefusedText(record) + ", nothing sent");
            return Finish(context, kExitBadInput);
        }
        const VerificationResult result = VerifyAdministrator(
            context.sockets, context.reporter, record.macAddress, *credentials_.user, *password,
            ForVerification(ExchangeOptionsOf(WaitsOf(target_), record), record));
        Print(context, record, result);
        SayWhyNot(context, record, result);
        return Finish(context, StatusOfVerification(result));
    }

  private:
    static void SayWhyNot(CommandContext& context, const DeviceRecord& record,
                          const VerificationResult& result) {
        const std::string why = VerdictText(VerdictOf(result), record.name);
        if (!why.empty()) {
            Say(context, why);
        }
    }

    void Print(CommandContext& context, const DeviceRecord& record,
               const VerificationResult& result) const {
        const bool accepted = result.verification == Verification::kAccepted;
        const bool answered = result.reply && result.reply->command == CMD_VERIFY;
        if (target_.json) {
            Answer(context, {{"device", FormatMacAddress(record.macAddress)},
                             {"accepted", accepted},
                             {"status", answered ? Json(result.reply->status) : Json(nullptr)}});
        } else if (accepted) {
            context.out << "accepted\n";
        } else if (answered) {
            context.out << "not accepted (status " << result.reply->status << ")\n";
        } else {
            context.out << "no answer\n";
        }
    }

    DeviceTarget target_;
    CredentialOptions credentials_;
    bool refuseBroadcast_ = false;
};

}  // namespace

std::unique_ptr<Command> MakeVerifyCommand() {
    return std::make_unique<VerifyCommand>();
}

}  // namespace zerin::cli
