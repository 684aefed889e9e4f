// Printing a device's details.
#include "cli/commands/show.h"

#include "cli/device_target.h"
#include "cli/exit_status.h"
#include "cli/text_table.h"
#include "operations/detail_replies.h"
#include "operations/device_json.h"
#include "operations/settings_over_record.h"

namespace zerin::cli {

namespace {

std::string OrNone(const std::optional<std::string>& text) {
    return text.value_or("none");
}

// An address, "none" for 0.0.0.0.
std::string Address(const char* text) {
    return std::string(text) == "0.0.0.0" ? "none" : text;
}

// What show says of the device, a label and a value a line.
std::vector<std::pair<std::string, std::string>> DetailLines(const DeviceRecord& record,
                                                             const DeviceDetails& details) {
    const std::vector<std::string> shares = ShareNames(record);
    std::string shareList;
    for (const std::string& share : shares) {
        shareList += (shareList.empty() ? "" : ", ") + share;
    }
    const int zone = record.timeZoneIndex;
    return {{"Name", record.name},
            {"Description", record.description},
            {"MAC address", details.texts.macAddress},
            {"IP address", record.ipAddress},
            {"Mode", ReportedMode(record) == "dhcp" ? "DHCP" : "static"},
            {"Subnet mask", record.subnetMask},
            {"Default gateway", Address(record.defaultGateway)},
            {"DNS servers", Address(record.primaryDns) + ", " + Address(record.secondaryDns)},
            {"Clock", OrNone(IsoClock(record))},
            {"Time zone",
             TimeZoneOf(record) ? std::to_string(zone) + " " + *TimeZoneOf(record) : "none"},
            {"Guarded",
             record.passwordFlag != 0 ? "yes, it asks for its administrator's password" : "no"},
            {"Firmware", details.texts.firmwareVersion},
            {"Product code", record.productCode},
            {"Shares", shares.empty() ? "none" : shareList}};
}

class ShowCommand : public Command {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command =
            tool.add_subcommand("show", "Show a device's settings, share names and USB storage");
        AddDeviceTarget(*command, target_);
        command->footer(
            ExitStatusHelp({kExitDone, kExitNoAnswer, kExitBadInput, kExitNetworkFailed}));
        return command;
    }

    int Run(CommandContext& context) override {
        const TargetLookup lookup = FindTarget(context, target_);
        if (!lookup.found.record) {
            return Finish(context, lookup.status);
        }
        DeviceRecord* record = lookup.found.record.get();
        const DeviceDetails details =
            QueryDeviceDetails(context.sockets, context.reporter, *record,
                               ExchangeOptionsOf(WaitsOf(target_), *record));
        if (!details.opened) {
            return Finish(context, kExitNetworkFailed);
        }
        if (target_.json) {
            Answer(context, DetailsJson(*record, details));
        } else {
            PrintDetails(*record, details, context.out, context.console.OutputIsTerminal());
        }
        if (details.unanswered) {
            Say(context, "no answer to the " + DetailRequestName(*details.unanswered) + " request");
            return Finish(context, kExitNoAnswer);
        }
        return Finish(context, kExitDone);
    }

  private:
    DeviceTarget target_;
};

}  // namespace

std::unique_ptr<Command> MakeShowCommand() {
    return std::make_unique<ShowCommand>();
}

void PrintDetails(const DeviceRecord& record, const DeviceDetails& details, std::ostream& out,
                  bool terminal) {
    std::vector<std::vector<std::string>> lines;
    for (const auto& [label, value] : DetailLines(record, details)) {
        lines.push_back({label + ":", value});
    }
    out << (terminal ? AlignedTable(lines) : TabbedLines(lines, " "));
    if (details.usbRows.empty()) {
        return;
    }
    std::vector<std::vector<std::string>> rows{
        {"  SHARE", "DEVICE ID", "FILE SYSTEM", "SIZE (MB)", "FREE SPACE"}};
    for (const UsbRow& row : details.usbRows) {
        rows.push_back(
            {"  " + row.shareName, row.deviceId, row.fileSystem, row.totalSize, row.freeSpace});
    }
    out << "USB storage:\n" << (terminal ? AlignedTable(rows) : TabbedLines(rows, "\t"));
}

}  // namespace zerin::cli
