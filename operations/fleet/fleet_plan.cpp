// Planning an entry's changes.
#include "operations/fleet/fleet_plan.h"

#include <iterator>

#include "operations/value_parsers.h"
#include "protocol/description_rule.h"
#include "protocol/network_adapter.h"

namespace zerin {

namespace {

Json TimeZoneJson(int index) {
    return index >= 0 && index < kTimeZoneCount ? Json(index) : Json(nullptr);
}

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

void PlanNetwork(const NetworkSettingsChange& network, const DeviceRecord& record,
                 FleetPlan& plan) {
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
    plan.writes.network = NetworkSettingsOver(record, network);
    if (plan.writes.network->protocolIndex == 0 && (!ParseIpv4(plan.writes.network->ipAddress) ||
                                                    !ParseIpv4(plan.writes.network->subnetMask))) {
        plan.error = "a static setup needs an IP address and a mask";
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

FleetPlan PlanChanges(const FleetSettings& settings, const DeviceRecord& record,
                      const std::tm& now) {
    FleetPlan plan;
    const bool deviceWrite = PlanDevice(settings, record, plan);
    PlanNetwork(settings.network, record, plan);
    if (deviceWrite) {
        plan.writes.device = DeviceSettingsFor(settings, record, now, plan.error);
    }
    return plan;
}

std::optional<DeviceSettings> DeviceSettingsFor(const FleetSettings& settings,
                                                const DeviceRecord& record, const std::tm& now,
                                                std::string& error) {
    DeviceSettingsChange change{settings.askPassword, settings.description, settings.timeZone,
                                std::nullopt, std::nullopt};
    if (settings.clock) {
        SetClock(change, *settings.clock, now);
    }
    return DeviceSettingsOver(record, change,
                              {"the entry a description", "the entry a clock", "the entry a clock"},
                              error);
}

Json ChangeJson(const Change& change) {
    return {{"field", change.field}, {"from", change.from}, {"to", change.to}};
}

}  // namespace zerin
