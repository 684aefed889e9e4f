// Exporting a fleet's settings.
#include "operations/fleet/fleet_export.h"

#include <algorithm>
#include <iterator>

#include "operations/checked_socket_layer.h"
#include "operations/detail_replies.h"
#include "operations/fleet/fleet_plan.h"
#include "operations/fleet/job_pool.h"
#include "operations/network_rule.h"
#include "operations/settings_over_record.h"
#include "operations/silent_reporter.h"
#include "protocol/description_rule.h"
#include "protocol/device_details.h"
#include "protocol/device_texts.h"
#include "protocol/network_adapter.h"

namespace zerin {

namespace {

constexpr char kLeftOutOfEntry[] = ", left out of its entry";

// The addresses the device reports that read as dotted IPv4; each other one said.
void ReadableAddresses(const DeviceRecord& record, std::optional<std::string> (&addresses)[5],
                       std::vector<std::string>& leftOut) {
    for (size_t i = 0; i < std::size(addresses); ++i) {
        const std::string text = ReportedAddress(record, i);
        if (ParseIpv4(text)) {
            addresses[i] = text;
        } else {
            leftOut.push_back(
                DevicesAddressName(i) +
                (text.empty() ? " is empty"
                              : " " + JsonText(text) + " does not read as a dotted IPv4 address") +
                kLeftOutOfEntry);
        }
    }
}

// Drops, one by one, the addresses of a static setup that apply would refuse as losing the
// device; each said.
void DropLosingAddresses(std::optional<std::string> (&addresses)[5],
                         std::vector<std::string>& leftOut) {
    for (;;) {
        size_t losing = 0;
        const std::string why = LosingAddress(addresses, [&losing](size_t i) {
            losing = i;
            return DevicesAddressName(i);
        });
        if (why.empty()) {
            return;
        }
        leftOut.push_back(why + ": the device would be lost" + kLeftOutOfEntry);
        addresses[losing].reset();
    }
}

Json NetworkOf(const DeviceRecord& record, std::vector<std::string>& leftOut) {
    const std::string mode = ReportedMode(record);
    std::optional<std::string> addresses[5];
    ReadableAddresses(record, addresses, leftOut);
    if (mode == "static") {
        DropLosingAddresses(addresses, leftOut);
    }
    Json network = {{"mode", mode}};
    for (size_t i = 0; i < std::size(addresses); ++i) {
        if (addresses[i]) {
            network[kAddressNames[i].key] = *addresses[i];
        }
    }
    return network;
}

void AddName(const DeviceRecord& record, Json& entry, std::vector<std::string>& leftOut) {
    const std::string name = record.name;
    if (name.empty()) {
        leftOut.push_back(std::string("the device reports no name") + kLeftOutOfEntry);
    } else if (ValidUtf8(name) != name) {
        leftOut.push_back(std::string("the device's name is not valid UTF-8") + kLeftOutOfEntry);
    } else {
        entry["name"] = name;
    }
}

// Why the device is left out: its first detail query that an entry needs and that went
// unanswered, or the network's failure; nothing when it is not.
std::optional<std::string> WhyLeftOut(const DeviceDetails& details,
                                      const CheckedSocketLayer& sockets) {
    if (!details.opened || sockets.Failure()) {
        return "the network failed: " + sockets.Failure().value_or("no socket") + ", left out";
    }
    if (const auto missing = MissingReply(details, CMD_GET_NETWORK_INFO)) {
        return "no answer to the " + DetailRequestName(*missing) + " request, left out";
    }
    return std::nullopt;
}

// The device's name and MAC address, nothing exported yet.
ExportedDevice Named(const DeviceRecord& record) {
    ExportedDevice device;
    device.name = record.name;
    device.mac = FormatMacAddress(record.macAddress);
    return device;
}

}  // namespace

DevicesToExport FindDevicesToExport(SocketLayer& sockets, Reporter& reporter,
                                    const WideSearchPlan& plan,
                                    const std::vector<std::string>& wanted) {
    DevicesToExport devices;
    for (FoundDevice& device : FindDevices(sockets, reporter, plan, wanted).devices) {
        if (wanted.empty() || std::any_of(wanted.begin(), wanted.end(), [&](const auto& name) {
                return IsNamed(*device.record, name);
            })) {
            devices.found.push_back(std::move(device));
        }
    }
    for (const std::string& name : wanted) {
        if (DevicesNamed(devices.found, name).empty()) {
            devices.notFound.push_back(name);
        }
    }
    return devices;
}

Json EntryOf(const DeviceRecord& record, std::vector<std::string>& leftOut) {
    Json entry = {{"mac", FormatMacAddress(record.macAddress)}};
    AddName(record, entry, leftOut);
    const std::string description =
        std::string(record.description).substr(0, kDescriptionMaxLength);
    if (IsValidDescription(description)) {
        entry["description"] = description;
    } else {
        leftOut.push_back(std::string("the device's description breaks the description rule") +
                          kLeftOutOfEntry);
    }
    entry["timeZone"] = TimeZoneJson(record.timeZoneIndex);
    entry["askPassword"] = record.passwordFlag != 0;
    entry["network"] = NetworkOf(record, leftOut);
    return entry;
}

ExportedDevice ExportDevice(const FoundDevice& device, const Waits& waits, SocketLayer& platform) {
    CheckedSocketLayer sockets(platform);
    SilentReporter reporter;
    DeviceRecord record = *device.record;
    ExportedDevice exported = Named(record);
    const DeviceDetails details =
        QueryDeviceDetails(sockets, reporter, record, ExchangeOptionsOf(waits, record));
    exported.networkFailed = !details.opened || sockets.Failure().has_value();
    if (const auto why = WhyLeftOut(details, sockets)) {
        exported.said.push_back(*why);
    } else {
        exported.entry = EntryOf(record, exported.said);
    }
    return exported;
}

std::vector<ExportedDevice> ExportFleet(const std::vector<FoundDevice>& devices, const Waits& waits,
                                        int jobs, SocketLayer& platform,
                                        const std::function<void()>& deviceDone) {
    std::vector<ExportedDevice> exported(devices.size());
    RunJobs(devices.size(), jobs,
            {[&](size_t i) { exported[i] = ExportDevice(devices[i], waits, platform); },
             [&](size_t i, const std::string& error) {
                 exported[i] = Named(*devices[i].record);
                 exported[i].said.push_back("internal error: " + error + ", left out");
             },
             deviceDone,
             {}});
    return exported;
}

Json FleetFileOf(const std::vector<ExportedDevice>& devices,
                 const std::vector<std::string>& targets) {
    Json entries = Json::array();
    for (const ExportedDevice& device : devices) {
        if (device.entry) {
            entries.push_back(*device.entry);
        }
    }
    Json file = {{"devices", entries}};
    if (!targets.empty()) {
        file["targets"] = targets;
    }
    return file;
}

}  // namespace zerin
