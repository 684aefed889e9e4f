// Printing a device's details.
#include "cli/commands/show.h"

#include "cli/device_target.h"
#include "cli/exit_status.h"
#include "operations/detail_replies.h"
#include "operations/device_json.h"

namespace zerin::cli {

namespace {

constexpr char kUsbHeadings[] = "Share Name\tDevice Id\tFS Type\tTotal Size(MB)\tFree Space";

class ShowCommand : public Command {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "show",
            "Show a device's details, share names and USB storage, as the main window does");
        AddDeviceTarget(*command, target_);
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
            PrintJson(context, DetailsJson(*record, details));
        } else {
            PrintDetails(*record, details, context.out);
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

void PrintDetails(const DeviceRecord& record, const DeviceDetails& details, std::ostream& out) {
    const DetailTexts& texts = details.texts;
    out << "Firmware Version: " << texts.firmwareVersion << '\n'
        << "Description: " << texts.description << '\n'
        << "Mac Address: " << texts.macAddress << '\n'
        << "IP Address: " << texts.ipAddress << '\n'
        << "IP Status: " << texts.ipStatus << '\n';
    for (const std::string& name : ShareNames(record)) {
        out << "Share: " << name << '\n';
    }
    if (details.usbRows.empty()) {
        return;
    }
    out << kUsbHeadings << '\n';
    for (const UsbRow& row : details.usbRows) {
        out << row.shareName << '\t' << row.deviceId << '\t' << row.fileSystem << '\t'
            << row.totalSize << '\t' << row.freeSpace << '\n';
    }
}

}  // namespace zerin::cli
