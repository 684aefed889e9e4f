// Printing a device's details.
#include "cli/show_command.h"

#include "protocol/device_texts.h"
#include "cli/device_lookup.h"
#include "cli/json_writer.h"

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

std::string UsbRowJson(const UsbRow& row) {
    return JsonObject()
        .String("shareName", row.shareName)
        .String("deviceId", row.deviceId)
        .String("fileSystem", row.fileSystem)
        .String("totalSize", row.totalSize)
        .String("freeSpace", row.freeSpace)
        .Text();
}

JsonObject RecordJson(const DeviceRecord& record) {
    JsonObject json;
    json.String("name", record.name)
        .String("description", record.description)
        .String("productCode", record.productCode)
        .String("firmwareVersion", record.firmwareVersion)
        .Number("passwordFlag", record.passwordFlag)
        .String("macAddress", FormatMacAddress(record.macAddress))
        .Number("ipStatus", record.ipStatus)
        .String("ipAddress", record.ipAddress)
        .String("subnetMask", record.subnetMask)
        .String("defaultGateway", record.defaultGateway)
        .String("primaryDns", record.primaryDns)
        .String("secondaryDns", record.secondaryDns)
        .String("deviceDate", record.deviceDate)
        .String("deviceTime", record.deviceTime)
        .Number("searchWord", record.searchWord)
        .Number("timeZoneIndex", record.timeZoneIndex)
        .Number("shareCount", record.shareCount);
    return json;
}

int RunShow(const Arguments& arguments, CommandContext& context) {
    auto record = LookUpDevice(context, arguments.positional[0]);
    if (!record) {
        return kExitUsage;
    }
    const DeviceDetails details = QueryDeviceDetails(context.sockets, context.reporter, *record);
    if (!details.opened) {
        return kExitFailure;
    }
    if (arguments.Has("--json")) {
        PrintDetailsJson(*record, details, context.out);
    } else {
        PrintDetails(*record, details, context.out);
    }
    return kExitSuccess;
}

}  // namespace

const Command& ShowCommand() {
    static const Command command{"show", "DEVICE [--json]", 1, {{"--json", false}}, RunShow};
    return command;
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
    std::vector<std::string> shares;
    for (const std::string& name : ShareNames(record)) {
        shares.push_back(JsonString(name));
    }
    std::vector<std::string> rows;
    for (const UsbRow& row : details.usbRows) {
        rows.push_back(UsbRowJson(row));
    }
    out << RecordJson(record).Json("shares", JsonArray(shares)).Json("usb", JsonArray(rows)).Text()
        << '\n';
}

}  // namespace zerin::cli
