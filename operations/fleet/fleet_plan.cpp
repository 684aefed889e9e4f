// Planning an entry's changes.
#include "operations/fleet/fleet_plan.h"

#include <iterator>
#include <mutex>

#include "operations/network_rule.h"
#include "operations/time_zones.h"
#include "operations/value_parsers.h"
#include "protocol/description_rule.h"
#include "protocol/network_adapter.h"

namespace zerin {

namespace {

// The device's clock as the file writes one; as the device reports it when that does not read.
std::string DeviceClock(const DeviceRecord& record) {
    const auto date = ParseDate(record.deviceDate);
    const auto time = ParseTime(record.deviceTime);
    if (!date || !time) {
        return std::string(record.deviceDate) + " " + record.deviceTime;
    }
    return FormatClock({*date, *time});
}

// True when the values differ, the change kept.
bool Compare(FleetPlan& plan, const std::string& field, const Json& from, const Json& to) {
    if (from != to) {
        plan.changes.push_back({field, from, to});
        return true;
    }
    return false;
}

// Whether the device settings change.
bool PlanDevice(const FleetSettings& settings, const DeviceRecord& record, FleetPlan& plan) {
    bool write = false;
    if (settings.description) {
        write |= Compare(plan, "description",
                         std::string(record.description).substr(0, kDescriptionMaxLength),
                         *settings.description);
    }
    if (settings.timeZone) {
        write |= Compare(plan, "timeZone", TimeZoneJson(record.timeZoneIndex),
                         TimeZoneJson(*settings.timeZone));
    }
    if (settings.clock) {
        plan.changes.push_back({"clock", DeviceClock(record), *settings.clock});
        write = true;
    }
    if (settings.askPassword) {
        write |= Compare(plan, "askPassword", record.passwordFlag != 0, *settings.askPassword);
    }
    return write;
}

// Addresses given for a device that keeps its DHCP setup, which replaces them.
bool KeepsDhcp(const NetworkSettingsChange& network, const DeviceRecord& record) {
    return !network.mode && ReportedMode(record) == "dhcp" &&
           (network.addresses[0] || network.addresses[1] || network.addresses[2]);
}

// What keeps the static setup that the network write makes from going out.
std::string StaticSetupError(const NetworkSettingsChange& network, const NetworkSettings& written,
                             const GivenInstead& gives) {
    if (!ParseIpv4(written.ipAddress) || !ParseIpv4(written.subnetMask)) {
        return "a static setup needs an IP address and a mask";
    }
    std::optional<std::string> addresses[5];
    for (size_t i = 0; i < std::size(kAddressFields); ++i) {
        addresses[i] = written.*kAddressFields[i].settings;
    }
    const std::string losing = LosingAddress(addresses, [&](size_t i) {
        return network.addresses[i] ? gives.addressPrefix + std::string(kAddressNames[i].key)
                                    : DevicesAddressName(i);
    });
    return losing.empty() ? "" : losing + ": the device would be lost";
}

void PlanNetwork(const NetworkSettingsChange& network, const DeviceRecord& record,
                 const GivenInstead& gives, FleetPlan& plan) {
    bool write = false;
    if (network.mode) {
        write |= Compare(plan, "network.mode", ReportedMode(record), *network.mode);
    }
    for (size_t i = 0; i < std::size(network.addresses); ++i) {
        if (network.addresses[i]) {
            write |= Compare(plan, std::string("network.") + kAddressNames[i].key,
                             ReportedAddress(record, i), *network.addresses[i]);
        }
    }
    if (!write) {
        return;
    }
    if (KeepsDhcp(network, record)) {
        plan.error = std::string("the device takes its address by DHCP and would keep it: give ") +
                     gives.staticMode + " to set its IP address, mask or gateway";
        return;
    }
    plan.writes.network = NetworkSettingsOver(record, network);
    if (plan.writes.network->protocolIndex == 0) {
        plan.error = StaticSetupError(network, *plan.writes.network, gives);
    }
}

// The file's clock as a date and a time: "now" as the local time given.
void SetClock(DeviceSettingsChange& change, const std::string& clock, const std::tm& now) {
    if (clock == "now") {
        change.date = Date{now.tm_year + 1900, now.tm_mon + 1, now.tm_mday};
        change.time = TimeOfDay{now.tm_hour, now.tm_min, now.tm_sec};
        return;
    }
    // The file's reader lets no other clock through.
    if (const auto given = ParseClock(clock)) {
        change.date = given->date;
        change.time = given->time;
    }
}

}  // namespace

const GivenInstead kEntryGives = {"the entry a description", "the entry a clock",
                                  "the entry a clock", "the entry's network \"mode\": \"static\"",
                                  "network."};

FleetPlan PlanChanges(const FleetSettings& settings, const DeviceRecord& record, const std::tm& now,
                      const GivenInstead& gives) {
    FleetPlan plan;
    const bool deviceWrite = PlanDevice(settings, record, plan);
    PlanNetwork(settings.network, record, gives, plan);
    if (deviceWrite && plan.error.empty()) {
        plan.writes.device = DeviceSettingsFor(settings, record, now, gives, plan.error);
    }
    return plan;
}

std::tm LocalTimeNow() {
    static std::mutex mutex;
    const std::lock_guard<std::mutex> lock(mutex);
    const std::time_t now = std::time(nullptr);
    return *std::localtime(&now);
}

std::string ChangesText(const std::vector<Change>& changes) {
    std::string text;
    for (const Change& change : changes) {
        text += (text.empty() ? "" : ", ") + change.field + ' ' + JsonText(change.from) + " -> " +
                JsonText(change.to);
    }
    return text;
}

std::optional<DeviceSettings> DeviceSettingsFor(const FleetSettings& settings,
                                                const DeviceRecord& record, const std::tm& now,
                                                const GivenInstead& gives, std::string& error) {
    DeviceSettingsChange change{settings.askPassword, settings.description, settings.timeZone,
                                std::nullopt, std::nullopt};
    if (settings.clock) {
        SetClock(change, *settings.clock, now);
    }
    return DeviceSettingsOver(record, change, gives, error);
}

Json TimeZoneJson(int index) {
    return index >= 0 && index < kTimeZoneCount ? Json(index) : Json(nullptr);
}

Json ChangesJson(const std::vector<Change>& changes) {
    Json json = Json::array();
    for (const Change& change : changes) {
        json.push_back({{"field", change.field}, {"from", change.from}, {"to", change.to}});
    }
    return json;
}

}  // namespace zerin
