// The settings a write sends: the values given over what the device reports, read as the setup
// wizard's pages read them (a description of at most 63 characters, a time-zone index past the
// list as none). One rule for set-device, set-network and apply.
#pragma once

#include <optional>
#include <string>

#include "operations/value_parsers.h"
#include "protocol/device_record.h"
#include "protocol/device_settings_update.h"
#include "protocol/network_settings_update.h"

namespace zerin {

// The device settings given; what is left out keeps the device's value.
struct DeviceSettingsChange {
    std::optional<bool> askPassword;
    std::optional<std::string> description;
    std::optional<int> timeZone;  // an index of the time-zone list, or -1 for none
    std::optional<Date> date;
    std::optional<TimeOfDay> time;
};

// The addresses as the tool names them, in the order of kAddressFields: the fleet file's key,
// which with two dashes before it is set-network's option, and the option's help.
struct AddressName {
    const char* key;
    const char* help;
};

extern const AddressName kAddressNames[5];

// The network settings given; what is left out keeps the device's value.
struct NetworkSettingsChange {
    std::optional<std::string> mode;          // "static" or "dhcp"
    std::optional<std::string> addresses[5];  // in the order of kAddressFields
};

// What gives a value in place of one the device reports that cannot be sent back, as a command
// or a file names it: "--description", "the entry a clock", ...; what sets a static setup; and how
// an address given is named, its key after the prefix: "--mask", "network.mask".
struct GivenInstead {
    const char* description;
    const char* date;
    const char* time;
    const char* staticMode;
    const char* addressPrefix;
};

// Nothing, with the reason in error, when the device reports a value that cannot be sent back (a
// description that breaks the rule, a date or a time that does not read) and none is given in
// its place; the reason says what gives one.
std::optional<DeviceSettings> DeviceSettingsOver(const DeviceRecord& record,
                                                 const DeviceSettingsChange& change,
                                                 const GivenInstead& instead, std::string& error);

// "dhcp" for a device that reports DHCP, else "static".
std::string ReportedMode(const DeviceRecord& record);

NetworkSettings NetworkSettingsOver(const DeviceRecord& record,
                                    const NetworkSettingsChange& change);

// The device's address of the given index, in the order of kAddressFields.
std::string ReportedAddress(const DeviceRecord& record, size_t index);

// How a message names the device's own address of the index: "the device's subnet mask", ...
std::string DevicesAddressName(size_t index);

}  // namespace zerin
