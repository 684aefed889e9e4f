// Devices as JSON.
#include "operations/device_json.h"

#include <cstdio>

#include "operations/settings_over_record.h"
#include "operations/time_zones.h"
#include "operations/value_parsers.h"
#include "protocol/device_texts.h"

namespace zerin {

namespace {

Json Nullable(const std::optional<std::string>& text) {
    return text ? Json(*text) : Json(nullptr);
}

// The leading number of a row's text: 15258, or -3 of "-3%".
Json Number(const std::string& text) {
    try {
        return std::stoll(text);
    } catch (const std::exception&) {
        return nullptr;
    }
}

Json UsbRowJson(const UsbRow& row) {
    return {{"shareName", row.shareName},
            {"deviceId", row.deviceId},
            {"fileSystem", row.fileSystem},
            {"totalSize", row.totalSize},
            {"freeSpace", row.freeSpace},
            {"totalSizeMB", Number(row.totalSize)},
            {"freeSpacePercent", Number(row.freeSpace)}};
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
    json["mode"] = ReportedMode(record);
    json["clock"] = Nullable(IsoClock(record));
    json["timeZone"] = Nullable(TimeZoneOf(record));
    json["guarded"] = record.passwordFlag != 0;
    return json;
}

std::string Digits(const char* format, int first, int second, int third) {
    char text[32];
    std::snprintf(text, sizeof text, format, first, second, third);
    return text;
}

}  // namespace

std::optional<std::string> IsoClock(const DeviceRecord& record) {
    const auto date = ParseDate(record.deviceDate);
    const auto time = ParseTime(record.deviceTime);
    if (!date || !time) {
        return std::nullopt;
    }
    std::string clock = FormatClock({*date, *time});
    clock[10] = 'T';
    return clock;
}

std::optional<std::string> TimeZoneOf(const DeviceRecord& record) {
    if (record.timeZoneIndex >= kTimeZoneCount) {
        return std::nullopt;
    }
    return TimeZoneName(record.timeZoneIndex);
}

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
