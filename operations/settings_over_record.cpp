// Building the settings of a write over the device's own.
#include "operations/settings_over_record.h"

#include <iterator>

#include "operations/time_zones.h"
#include "protocol/description_rule.h"

namespace zerin {

const AddressName kAddressNames[5] = {{"ip", "the IP address"},
                                      {"mask", "the subnet mask"},
                                      {"gateway", "the default gateway"},
                                      {"dns1", "the first DNS server"},
                                      {"dns2", "the second DNS server"}};

std::optional<DeviceSettings> DeviceSettingsOver(const DeviceRecord& record,
                                                 const DeviceSettingsChange& change,
                                                 const GivenInstead& instead, std::string& error) {
    const std::string description = change.description.value_or(
        std::string(record.description).substr(0, kDescriptionMaxLength));
    const auto date = change.date ? change.date : ParseDate(record.deviceDate);
    const auto time = change.time ? change.time : ParseTime(record.deviceTime);
    if (!IsValidDescription(description)) {
        error = std::string("the device's description breaks the description rule: give ") +
                instead.description;
        return std::nullopt;
    }
    if (!date || !time) {
        error = std::string("the device reports no valid ") + (!date ? "date" : "time") +
                ": give " + (!date ? instead.date : instead.time);
        return std::nullopt;
    }
    const bool askPassword = change.askPassword.value_or(record.passwordFlag != 0);
    const int timeZone =
        change.timeZone.value_or(record.timeZoneIndex < kTimeZoneCount ? record.timeZoneIndex : -1);
    return DeviceSettings{static_cast<uint8_t>(askPassword ? 1 : 0),
                          description,
                          date->year,
                          date->month,
                          date->day,
                          time->hour,
                          time->minute,
                          time->second,
                          timeZone};
}

NetworkSettings NetworkSettingsOver(const DeviceRecord& record,
                                    const NetworkSettingsChange& change) {
    NetworkSettings settings;
    settings.protocolIndex = change.mode.value_or(ReportedMode(record)) == "dhcp" ? 1 : 0;
    for (size_t i = 0; i < std::size(kAddressFields); ++i) {
        settings.*kAddressFields[i].settings =
            change.addresses[i].value_or(ReportedAddress(record, i));
    }
    return settings;
}

std::string ReportedMode(const DeviceRecord& record) {
    return record.ipStatus != 0 ? "dhcp" : "static";
}

std::string ReportedAddress(const DeviceRecord& record, size_t index) {
    return record.*kAddressFields[index].record;
}

std::string DevicesAddressName(size_t index) {
    return "the device's " + std::string(kAddressNames[index].help).substr(4);
}

}  // namespace zerin
