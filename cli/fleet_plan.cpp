// Planning an entry's changes.
#include "cli/fleet_plan.h"

#include <iterator>

#include "cli/value_parsers.h"
#include "protocol/description_rule.h"
#include "protocol/network_adapter.h"

namespace zerin::cli {

namespace {

Json TimeZoneJson(int index) {
    return index >= 0 && index < kTimeZoneCount ? Json(index) : Json(nullptr);
}

std::string DeviceClock(const DeviceRecord& record) {
    const std::string date = record.deviceDate;
    const std::string time = record.deviceTime;
    if (date.size() != 8 || time.size() != 6) {
        return date + " " + time;
    }
    return date.substr(0, 4) + '-' + date.substr(4, 2) + '-' + date.substr(6, 2) + ' ' +
           time.substr(0, 2) + ':' + time.substr(2, 2) + ':' + time.substr(4, 2);
}

const char* ModeName(int ipStatus) {
    return ipStatus == 1 ? "dhcp" : "static";
}

std::string ReportedAddress(const DeviceRecord& record, size_t index) {
    const char* const reported[] = {record.ipAddress, record.subnetMask, record.defaultGateway,
                                    record.primaryDns, record.secondaryDns};
    return reported[index];
}

void Compare(FleetPlan& plan, const std::string& field, const Json& from, const Json& to,
             bool& write) {
    if (from != to) {
        plan.changes.push_back({field, from, to});
        write = true;
    }
}

void PlanDevice(const FleetSettings& settings, const DeviceRecord& record, FleetPlan& plan) {
    if (settings.description) {
        Compare(plan, "description",
                std::string(record.description).substr(0, kDescriptionMaxLength),
                *settings.description, plan.deviceWrite);
    }
    if (settings.timeZone) {
        Compare(plan, "timeZone", TimeZoneJson(record.timeZoneIndex),
                TimeZoneJson(*settings.timeZone), plan.deviceWrite);
    }
    if (settings.clock) {
        plan.changes.push_back({"clock", DeviceClock(record), *settings.clock});
        plan.deviceWrite = true;
    }
    if (settings.askPassword) {
        Compare(plan, "askPassword", record.passwordFlag != 0, *settings.askPassword,
                plan.deviceWrite);
    }
}

void PlanNetwork(const FleetNetwork& network, const DeviceRecord& record, FleetPlan& plan) {
    if (network.mode) {
        Compare(plan, "network.mode", ModeName(record.ipStatus), *network.mode, plan.networkWrite);
    }
    for (size_t i = 0; i < std::size(network.addresses); ++i) {
        if (network.addresses[i]) {
            Compare(plan, std::string("network.") + kFleetAddressKeys[i],
                    ReportedAddress(record, i), *network.addresses[i], plan.networkWrite);
        }
    }
    const NetworkSettings written = NetworkSettingsFor(network, record);
    if (plan.networkWrite && written.protocolIndex == 0 &&
        (!ParseIpv4(written.ipAddress) || !ParseIpv4(written.subnetMask))) {
        plan.error = "a static setup needs an IP address and a mask";
    }
}

// "now" as the local time given, else "YYYY-MM-DD HH:MM:SS"; a part that does not read stays 0.
void SetClock(DeviceSettings& written, const std::string& clock, const std::tm& now) {
    if (clock == "now") {
        written.year = now.tm_year + 1900;
        written.month = now.tm_mon + 1;
        written.day = now.tm_mday;
        written.hour = now.tm_hour;
        written.minute = now.tm_min;
        written.second = now.tm_sec;
        return;
    }
    if (const auto date = ParseDate(clock.substr(0, 10))) {
        written.year = date->year;
        written.month = date->month;
        written.day = date->day;
    }
    if (const auto time = ParseTime(clock.size() > 11 ? clock.substr(11) : "")) {
        written.hour = time->hour;
        written.minute = time->minute;
        written.second = time->second;
    }
}

}  // namespace

FleetPlan PlanChanges(const FleetSettings& settings, const DeviceRecord& record) {
    FleetPlan plan;
    PlanDevice(settings, record, plan);
    PlanNetwork(settings.network, record, plan);
    return plan;
}

DeviceSettings DeviceSettingsFor(const FleetSettings& settings, const DeviceRecord& record,
                                 const std::tm& now) {
    DeviceSettings written;
    written.verificationFlag = settings.askPassword.value_or(record.passwordFlag != 0) ? 1 : 0;
    written.description = settings.description.value_or(
        std::string(record.description).substr(0, kDescriptionMaxLength));
    written.timeZoneIndex = settings.timeZone.value_or(
        record.timeZoneIndex < kTimeZoneCount ? record.timeZoneIndex : -1);
    SetClock(written, settings.clock.value_or(DeviceClock(record)), now);
    return written;
}

NetworkSettings NetworkSettingsFor(const FleetNetwork& network, const DeviceRecord& record) {
    NetworkSettings written;
    written.protocolIndex =
        network.mode ? (*network.mode == "dhcp" ? 1 : 0) : (record.ipStatus == 1 ? 1 : 0);
    std::string* const addresses[] = {&written.ipAddress, &written.subnetMask,
                                      &written.defaultGateway, &written.primaryDns,
                                      &written.secondaryDns};
    for (size_t i = 0; i < std::size(addresses); ++i) {
        *addresses[i] = network.addresses[i].value_or(ReportedAddress(record, i));
    }
    return written;
}

Json ChangeJson(const Change& change) {
    return {{"field", change.field}, {"from", change.from}, {"to", change.to}};
}

}  // namespace zerin::cli
