// The apply command: the file read and checked, one search, then every entry on its own socket,
// up to --jobs at once, and the results in the file's order.
#include "cli/commands/apply.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <mutex>
#include <sstream>

#include "cli/device_target.h"
#include "cli/exit_status.h"
#include "cli/option_checks.h"
#include "cli/password_sources.h"
#include "cli/progress_line.h"
#include "cli/search_options.h"
#include "operations/fleet/fleet_run.h"

namespace zerin::cli {

namespace {

std::string ResultLine(const EntryResult& result) {
    std::string line = result.name.value_or("-") + ' ' + result.mac.value_or("-") + ' ' +
                       EntryStatusName(result.status);
    if (!result.changes.empty()) {
        line += ": " + ChangesText(result.changes);
    }
    return line + (result.error.empty() ? "" : " (" + result.error + ")");
}

class ApplyCommand : public Command {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "apply",
            "Set up the devices of a JSON file: plan each entry's changes, then verify, write and "
            "read back, several devices at once. Exit status 1 when an entry is neither applied "
            "nor unchanged (in a dry run: would change or unchanged), 4 when the network failed "
            "for any. Ctrl-C or SIGTERM starts no new entry, lets those under way finish and "
            "prints the results so far");
        command->add_option("FILE", file_, "the JSON file (docs/manual/zerin-cli.md)")->required();
        command->add_flag("--dry-run", run_.dryRun,
                          "print the plan; send no write, no verification");
        command->add_option("--jobs", run_.jobs, "devices handled at once")
            ->type_name("N")
            ->capture_default_str()
            ->check(WholeNumberCheck(1, 256));
        AddTimeoutOptions(*command, timeoutSeconds_, retries_);
        command->add_flag("--json", json_, "print a JSON array, an object per entry");
        AddSearchOptions(*command, search_);
        AddCredentialOptions(*command, credentials_);
        AddNoBroadcastPasswordOption(*command, run_.refuseBroadcastPassword);
        command->footer(
            ExitStatusHelp({kExitDone, kExitNoAnswer, kExitBadInput, kExitNetworkFailed}) +
            "\n  130, 143  stopped by Ctrl-C or SIGTERM, the results so far printed");
        return command;
    }

    int Run(CommandContext& context) override {
        run_.waits = WaitsOf(timeoutSeconds_, retries_);
        run_.credentialsHint = ": give --user and a password, or the entry's user and passwordFile";
        if (!ReadEntries(context) || !ReadPasswords(context)) {
            return kExitBadInput;
        }
        if (entries_.empty()) {
            Warn(context, file_ + " holds no devices: nothing to apply");
            Print(context, {});
            return kExitDone;
        }
        const PlanChoice choice = PlanSearch(context.adapters.List(), search_, targets_);
        if (choice.failure) {
            return SayFailure(context, *choice.failure);
        }
        const FleetDevices devices =
            FindFleetDevices(context.sockets, context.reporter, choice.plan, entries_);
        if (!devices.error.empty()) {
            Say(context, file_ + ": " + devices.error);
            return kExitBadInput;
        }
        context.stopSignals.Catch();
        run_.stopRequested = [&context] { return context.stopSignals.Requested(); };
        std::mutex saying;
        run_.warn = [&context, &saying](const std::string& text) {
            const std::lock_guard<std::mutex> lock(saying);
            Warn(context, text);
        };
        ProgressLine progress(context.err, context.console.ErrorIsTerminal(), "apply",
                              entries_.size());
        const std::vector<EntryResult> results =
            ApplyFleet(entries_, devices, passwords_, run_, context.sockets.Platform(),
                       [&progress] { progress.Step(); });
        progress.End();
        Print(context, results);
        return Conclude(context, results);
    }

  private:
    bool ReadEntries(CommandContext& context) {
        errno = 0;
        std::ifstream file(file_, std::ios::binary);
        std::ostringstream text;
        if (!file || !(text << file.rdbuf())) {
            Say(context, "cannot read " + file_ + ": " +
                             (errno != 0 ? std::strerror(errno) : "not a readable file"));
            return false;
        }
        std::string error;
        auto fleet = ReadFleetFile(text.str(), error);
        if (!fleet) {
            Say(context, file_ + ": " + error);
            return false;
        }
        entries_ = std::move(fleet->entries);
        targets_ = std::move(fleet->targets);
        return true;
    }

    // The run's password from its sources, or from a prompt when a name is given; each entry's
    // from its passwordFile. False, after saying why, when one cannot be read.
    bool ReadPasswords(CommandContext& context) {
        const GivenPassword given = ReadPasswordSources(context, credentials_);
        if (!given.error.empty()) {
            return false;
        }
        run_.user = credentials_.user;
        run_.password = given.password;
        if (run_.user && !run_.password && !run_.dryRun) {
            run_.password =
                PromptForPassword(context.console, context.err, "Password of " + *run_.user + ": ");
        }
        return ReadEntryPasswords(context);
    }

    bool ReadEntryPasswords(CommandContext& context) {
        for (const FleetEntry& entry : entries_) {
            const GivenPassword password =
                entry.passwordFile ? ReadPasswordFile(*entry.passwordFile) : GivenPassword{};
            if (!password.error.empty()) {
                Say(context, entry.label + ": " + password.error);
                return false;
            }
            passwords_.push_back(password.password);
        }
        return true;
    }

    // 0 when every entry is done, 1 when one is not, 4 when the network failed; a stop asked for
    // by a signal ends with 128 and its number, as a shell has it.
    static int Conclude(CommandContext& context, const std::vector<EntryResult>& results) {
        const bool allDone = std::all_of(results.begin(), results.end(),
                                         [](const EntryResult& r) { return IsDone(r.status); });
        const bool networkFailed = std::any_of(
            results.begin(), results.end(), [](const EntryResult& r) { return r.networkFailed; });
        const int status =
            Finish(context, FinalStatus(allDone ? kExitDone : kExitNoAnswer, networkFailed));
        const int signal = context.stopSignals.Received();
        return signal != 0 ? 128 + signal : status;
    }

    void Print(CommandContext& context, const std::vector<EntryResult>& results) const {
        if (json_) {
            Json array = Json::array();
            for (const EntryResult& result : results) {
                array.push_back(EntryResultJson(result));
            }
            PrintJson(context, array);
            return;
        }
        for (const EntryResult& result : results) {
            context.out << ResultLine(result) << '\n';
        }
    }

    std::string file_;
    ApplyRun run_;
    double timeoutSeconds_ = 3;
    int retries_ = 1;
    bool json_ = false;
    SearchOptions search_;
    CredentialOptions credentials_;
    std::vector<FleetEntry> entries_;
    std::vector<AddressRange> targets_;
    std::vector<EntryPassword> passwords_;
};

}  // namespace

std::unique_ptr<Command> MakeApplyCommand() {
    return std::make_unique<ApplyCommand>();
}

}  // namespace zerin::cli
