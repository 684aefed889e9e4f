// The set-device command.
#include "cli/commands/set_device.h"

#include "cli/option_checks.h"
#include "cli/settings_write.h"
#include "operations/time_zones.h"
#include "operations/value_parsers.h"

namespace zerin::cli {

namespace {

class SetDeviceCommand : public SettingsWriteCommand {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "set-device",
            "Write a device's description, clock, time zone and whether it asks for its "
            "administrator's password: only what differs from the device's report is written, "
            "and what is not given keeps the device's value");
        AddWriteOptions(*command);
        command->add_option("--description", options_.description, "the description")
            ->type_name("TEXT")
            ->check(DescriptionCheck());
        CLI::Option* clock =
            command
                ->add_option("--clock", options_.clock,
                             "the device's date and time, or now for this computer's local time")
                ->type_name("now|\"YYYY-MM-DD HH:MM:SS\"")
                ->check(ClockCheck());
        command->add_option("--date", options_.date, "the device's date")
            ->type_name("YYYY-MM-DD")
            ->check(DateCheck())
            ->excludes(clock);
        command->add_option("--time", options_.time, "the device's time")
            ->type_name("HH:MM:SS")
            ->check(TimeCheck())
            ->excludes(clock);
        command
            ->add_option("--timezone", options_.timeZone,
                         "the time zone: its index, a part of its name (zerin-cli timezones lists "
                         "them) or none")
            ->type_name("INDEX|NAME|none")
            ->check(TimeZoneCheck());
        command
            ->add_option("--ask-password", options_.askPassword,
                         "whether the device asks for its administrator's name and password")
            ->type_name("yes|no|true|false")
            ->check(BooleanCheck());
        return command;
    }

  protected:
    uint16_t NeededReply() const override { return CMD_GET_DEVICE_INFO; }

    std::string OptionsError() const override {
        const DeviceSettingsOptions& o = options_;
        const bool any =
            o.description || o.date || o.time || o.timeZone || o.askPassword || o.clock;
        return any ? ""
                   : "nothing to set: give --description, --clock, --date, --time, --timezone or "
                     "--ask-password";
    }

    std::optional<FleetSettings> Settings(const DeviceRecord& record,
                                          std::string& error) const override {
        return DeviceSettingsFrom(record, options_, error);
    }

  private:
    DeviceSettingsOptions options_;
};

// The clock of --date and --time, the half not given the device's own.
std::optional<std::string> ClockOf(const DeviceRecord& record, const DeviceSettingsOptions& options,
                                   std::string& error) {
    const auto date = ParseDate(options.date.value_or(record.deviceDate));
    const auto time = ParseTime(options.time.value_or(record.deviceTime));
    if (!date || !time) {
        error = std::string("the device reports no valid ") + (!date ? "date" : "time") +
                ": give " + (!date ? kOptionsGive.date : kOptionsGive.time);
        return std::nullopt;
    }
    return FormatClock({*date, *time});
}

}  // namespace

std::unique_ptr<Command> MakeSetDeviceCommand() {
    return std::make_unique<SetDeviceCommand>();
}

std::optional<FleetSettings> DeviceSettingsFrom(const DeviceRecord& record,
                                                const DeviceSettingsOptions& options,
                                                std::string& error) {
    FleetSettings settings;
    settings.description = options.description;
    if (options.timeZone) {
        settings.timeZone = ChooseTimeZone(*options.timeZone).index;
    }
    if (options.askPassword) {
        settings.askPassword = ParseBoolean(*options.askPassword);
    }
    settings.clock = options.clock;
    if (options.date || options.time) {
        settings.clock = ClockOf(record, options, error);
        if (!settings.clock) {
            return std::nullopt;
        }
    }
    return settings;
}

}  // namespace zerin::cli
