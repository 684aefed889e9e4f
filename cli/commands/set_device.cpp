// The set-device command.
#include "cli/commands/set_device.h"

#include "cli/option_checks.h"
#include "cli/settings_write.h"
#include "operations/device_json.h"
#include "operations/settings_over_record.h"

namespace zerin::cli {

namespace {

class SetDeviceCommand : public SettingsWriteCommand {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "set-device",
            "Write a device's description, clock, time zone and whether it asks for its "
            "administrator's password; what is not given keeps the device's value");
        AddWriteOptions(*command);
        command->add_option("--description", options_.description, "the description")
            ->type_name("TEXT")
            ->check(DescriptionCheck());
        command->add_option("--date", options_.date, "the device's date")
            ->type_name("YYYY-MM-DD")
            ->check(DateCheck());
        command->add_option("--time", options_.time, "the device's time")
            ->type_name("HH:MM:SS")
            ->check(TimeCheck());
        command->add_option("--timezone", options_.timeZone, "an index of the time-zone list")
            ->type_name("INDEX|none")
            ->check(TimeZoneCheck());
        command
            ->add_option("--ask-password", options_.askPassword,
                         "whether the device asks for its administrator's name and password")
            ->type_name("yes|no")
            ->check(CLI::IsMember({"yes", "no"}).description(""));
        return command;
    }

  protected:
    uint16_t NeededReply() const override { return CMD_GET_DEVICE_INFO; }

    std::optional<PlannedWrites> Plan(const DeviceRecord& record, std::string& error) override {
        auto settings = DeviceSettingsFrom(record, options_, error);
        if (!settings) {
            return std::nullopt;
        }
        return PlannedWrites{settings, std::nullopt};
    }

    Json SentFields(const PlannedWrites& planned) const override {
        return DeviceSettingsJson(*planned.device);
    }

  private:
    DeviceSettingsOptions options_;
};

}  // namespace

std::unique_ptr<Command> MakeSetDeviceCommand() {
    return std::make_unique<SetDeviceCommand>();
}

std::optional<DeviceSettings> DeviceSettingsFrom(const DeviceRecord& record,
                                                 const DeviceSettingsOptions& options,
                                                 std::string& error) {
    DeviceSettingsChange change;
    if (options.askPassword) {
        change.askPassword = *options.askPassword == "yes";
    }
    change.description = options.description;
    change.timeZone = options.timeZone ? ParseTimeZone(*options.timeZone) : std::nullopt;
    change.date = options.date ? ParseDate(*options.date) : std::nullopt;
    change.time = options.time ? ParseTime(*options.time) : std::nullopt;
    return DeviceSettingsOver(record, change,
                              {"--description", "--date YYYY-MM-DD", "--time HH:MM:SS"}, error);
}

}  // namespace zerin::cli
