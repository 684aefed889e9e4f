// The timezones command.
#include "cli/commands/timezones.h"

#include "cli/exit_status.h"
#include "cli/text_table.h"
#include "operations/time_zones.h"

namespace zerin::cli {

namespace {

class TimeZonesCommand : public Command {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "timezones",
            "List the devices' time zones with their indexes, as --timezone takes them");
        command->add_flag("--json", json_, "print a JSON array");
        command->footer(ExitStatusHelp({kExitDone}));
        return command;
    }

    int Run(CommandContext& context) override {
        Json array = Json::array();
        std::vector<std::vector<std::string>> rows{{"INDEX", "TIME ZONE"}};
        for (int index = 0; index < kTimeZoneCount; ++index) {
            array.push_back({{"index", index}, {"name", TimeZoneName(index)}});
            rows.push_back({std::to_string(index), TimeZoneName(index)});
        }
        PrintListing(context, json_, array, rows);
        return kExitDone;
    }

  private:
    bool json_ = false;
};

}  // namespace

std::unique_ptr<Command> MakeTimeZonesCommand() {
    return std::make_unique<TimeZonesCommand>();
}

}  // namespace zerin::cli
