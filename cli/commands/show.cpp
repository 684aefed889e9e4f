// Printing a device's details.
#include "cli/commands/show.h"

#include "cli/detail_replies.h"
#include "cli/device_target.h"
#include "cli/exit_status.h"
#include "cli/json_output.h"
#include "protocol/device_texts.h"
#include "protocol/network_settings_update.h"

namespace zerin::cli {

namespace {

constexpr char kUsbHeadings[] = "Share Name\tDevice Id\tFS Type\tTotal Size(MB)\tFree Space";

std::vector<std::string> ShareNames(const DeviceRecord& record) {
    std::vector<std::string> names;
    for (const ShareNameEntry& entry : record.shareList.value_or(std::vector<ShareNameEntry>{})) {
        names.push_back(entry.Name());
    }
    return names;
}

Json UsbRowJson(const UsbRow& row) {
    return {{"shareName", row.shareName},
            {"deviceId", row.deviceId},
            {"fileSystem", row.fileSystem},
            {"totalSize", row.totalSize},
            {"freeSpace", row.freeSpace}};
}

Json RecordJson(const DeviceRecord& record) {
    Json json = {{"name", record.name},
                 {"description", record.description},
                 {"productCode", record.productCode},
                 {"firmwareVersion", record.firmwareVersion},
                 {"passwordFlag", record.passwordFlag},
                 {"macAddress", FormatMacAddress(record.macAddress)},
                 {"ipStatus", record.ipStatus}};
    for (const AddressField& address : kAddressFields) {
        json[address.name] = record.*address.record;
    }
    json["deviceDate"] = record.deviceDate;
    json["deviceTime"] = record.deviceTime;
    json["searchWord"] = record.searchWord;
    json["timeZoneIndex"] = record.timeZoneIndex;
    json["shareCount"] = record.shareCount;
    return json;
}

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
        const Lookup lookup = LookUpDevice(context, target_);
        if (!lookup.found.record) {
            return Finish(context, lookup.status);
        }
        DeviceRecord* record = lookup.found.record.get();
        const DeviceDetails details =
            QueryDeviceDetails(context.sockets, context.reporter, *record,
                               ExchangeOptionsOf(target_, *lookup.found.record));
        if (!details.opened) {
            return Finish(context, kExitNetworkFailed);
        }
        if (target_.json) {
            PrintDetailsJson(*record, details, context.out);
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

void PrintDetailsJson(const DeviceRecord& record, const DeviceDetails& details, std::ostream& out) {
    Json json = RecordJson(record);
    json["shares"] = ShareNames(record);
    json["usb"] = Json::array();
    for (const UsbRow& row : details.usbRows) {
        json["usb"].push_back(UsbRowJson(row));
    }
    PrintJson(json, out);
}

}  // namespace zerin::cli
