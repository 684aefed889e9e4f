// The export command: one search, the detail queries of every device up to --jobs at once, and
// the apply file on standard output or in place of FILE, what was left out said.
#include "cli/commands/export.h"

#include <algorithm>
#include <mutex>

#include "cli/device_target.h"
#include "cli/exit_status.h"
#include "cli/option_checks.h"
#include "cli/progress_line.h"
#include "cli/search_options.h"
#include "operations/fleet/fleet_export.h"
#include "platform/file_replacement.h"

namespace zerin::cli {

namespace {

class ExportCommand : public Command {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "export",
            "Write the settings of every device found, or of those named, as a JSON file that "
            "apply reads: a backup that apply puts back. Passwords and clocks are never in it");
        command->add_option("DEVICE", devices_, "only these devices, by name or MAC address");
        command->add_option("-o,--output", output_, "write the file here, whole, not on stdout")
            ->type_name("FILE");
        command->add_option("--jobs", jobs_, "devices queried at once")
            ->type_name("N")
            ->capture_default_str()
            ->check(WholeNumberCheck(1, 256));
        AddTimeoutOptions(*command, timeoutSeconds_, retries_);
        AddSearchOptions(*command, search_);
        command->footer(
            ExitStatusHelp({kExitDone, kExitNoAnswer, kExitBadInput, kExitNetworkFailed}));
        return command;
    }

    int Run(CommandContext& context) override {
        const PlanChoice choice = PlanSearch(context.adapters.List(), search_);
        if (choice.failure) {
            return SayFailure(context, *choice.failure);
        }
        const DevicesToExport found =
            FindDevicesToExport(context.sockets, context.reporter, choice.plan, devices_);
        for (const std::string& name : found.notFound) {
            Say(context, "no device named " + name + " answered the search");
        }
        const std::vector<ExportedDevice> exported = Export(context, found.found);
        const bool leftOut = std::any_of(exported.begin(), exported.end(),
                                         [](const ExportedDevice& d) { return !d.entry; });
        const bool networkFailed =
            std::any_of(exported.begin(), exported.end(),
                        [](const ExportedDevice& d) { return d.networkFailed; });
        if (!Write(context, FleetFileOf(exported, search_.targets)) || !found.notFound.empty()) {
            return Finish(context, FinalStatus(kExitBadInput, networkFailed));
        }
        return Finish(context, FinalStatus(leftOut ? kExitNoAnswer : kExitDone, networkFailed));
    }

  private:
    // Every device's entry, then what was left out said.
    std::vector<ExportedDevice> Export(CommandContext& context,
                                       const std::vector<FoundDevice>& devices) const {
        ProgressLine progress(context.err, context.console.ErrorIsTerminal(), "export",
                              devices.size());
        std::vector<ExportedDevice> exported =
            ExportFleet(devices, WaitsOf(timeoutSeconds_, retries_), jobs_,
                        context.sockets.Platform(), [&progress] { progress.Step(); });
        progress.End();
        for (const ExportedDevice& device : exported) {
            for (const std::string& said : device.said) {
                Warn(context, device.name + ' ' + device.mac + ": " + said);
            }
        }
        return exported;
    }

    // The file on standard output, or in place of FILE; false, after saying why, when FILE
    // cannot be written.
    bool Write(CommandContext& context, const Json& file) const {
        const std::string text = FileJsonText(file);
        if (output_.empty()) {
            context.out << text;
            return true;
        }
        std::string error;
        if (ReplaceFileContent(output_, text, error)) {
            return true;
        }
        Say(context, "cannot write " + output_ + ": " + error);
        return false;
    }

    std::vector<std::string> devices_;
    std::string output_;
    int jobs_ = 8;
    double timeoutSeconds_ = 3;
    int retries_ = 1;
    SearchOptions search_;
};

}  // namespace

std::unique_ptr<Command> MakeExportCommand() {
    return std::make_unique<ExportCommand>();
}

}  // namespace zerin::cli
