// Devices as JSON.
#include "operations/device_json.h"

#include <cstdio>

#include "protocol/device_texts.h"

namespace zerin {

namespace {

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

std::string Digits(const char* format, int first, int second, int third) {
    char text[32];
    std::snprintf(text, sizeof text, format, first, second, third);
    return text;
}

}  // namespace

std::vector<std::string> ShareNames(const DeviceRecord& record) {
    std::vector<std::string> names;
    for (const ShareNameEntry& entry : record.shareList.value_or(std::vector<ShareNameEntry>{})) {
        names.push_back(entry.Name());
    }
    return names;
}

Json DetailsJson(const DeviceRecord& record, const DeviceDetails& details) {
    Json json = RecordJson(record);
    json["shares"] = ShareNames(record);
    json["usb"] = Json::array();
    for (const UsbRow& row : details.usbRows) {
        json["usb"].push_back(UsbRowJson(row));
    }
    return json;
}

Json DeviceSettingsJson(const DeviceSettings& settings) {
    return {{"passwordFlag", settings.verificationFlag},
            {"description", settings.description},
            {"deviceDate", Digits("%04d%02d%02d", settings.year, settings.month, settings.day)},
            {"deviceTime", Digits("%02d%02d%02d", settings.hour, settings.minute, settings.second)},
            {"timeZoneIndex", static_cast<uint8_t>(settings.timeZoneIndex)}};
}

Json NetworkSettingsJson(const NetworkSettings& settings) {
    Json json = {{"ipStatus", settings.protocolIndex}};
    for (const AddressField& address : kAddressFields) {
        json[address.name] = settings.*address.settings;
    }
    return json;
}

}  // namespace zerin
