// The settings that set-device and set-network plan: the options over the device's values, only
// what differs written, and nothing that would lose the device.
#include <gtest/gtest.h>

#include "cli/commands/set_device.h"
#include "cli/commands/set_network.h"
#include "cli/settings_write.h"
#include "operations/device_json.h"
#include "operations/time_zones.h"
#include "tests/support/record_text.h"

namespace zerin::cli {
namespace {

using testing::Put;

DeviceRecord ReportedDevice() {
    DeviceRecord record;
    Put(record.description, "Office storage");
    Put(record.deviceDate, "20091014");
    Put(record.deviceTime, "093005");
    record.timeZoneIndex = 56;
    record.passwordFlag = 0;
    record.ipStatus = 1;
    Put(record.ipAddress, "198.51.100.10");
    Put(record.subnetMask, "255.255.255.0");
    Put(record.defaultGateway, "198.51.100.1");
    Put(record.primaryDns, "198.51.100.1");
    Put(record.secondaryDns, "0.0.0.0");
    return record;
}

// The plan of the options over the record, its error in error.
FleetPlan PlanOf(const DeviceRecord& record, const DeviceSettingsOptions& options,
                 std::string& error) {
    const auto settings = DeviceSettingsFrom(record, options, error);
    if (!settings) {
        return {};
    }
    FleetPlan plan = PlanChanges(*settings, record, std::tm{}, kOptionsGive);
    error = plan.error;
    return plan;
}

FleetPlan PlanOf(const DeviceRecord& record, const NetworkSettingsOptions& options) {
    FleetSettings settings;
    settings.network = NetworkChangeFrom(options);
    return PlanChanges(settings, record, std::tm{}, kOptionsGive);
}

TEST(SettingsOptionsTest, DeviceSettingsKeepWhatTheDeviceReports) {
    std::string error;
    DeviceSettingsOptions options;
    options.timeZone = "none";
    const FleetPlan plan = PlanOf(ReportedDevice(), options, error);
    ASSERT_TRUE(plan.writes.device) << error;
    EXPECT_EQ(DeviceSettingsJson(*plan.writes.device).dump(),
              R"({"passwordFlag":0,"description":"Office storage","deviceDate":"20091014",)"
              R"("deviceTime":"093005","timeZoneIndex":255})");
}

TEST(SettingsOptionsTest, DeviceSettingsOptionsReplaceTheReportedValues) {
    std::string error;
    const FleetPlan plan = PlanOf(
        ReportedDevice(), {"", "2010-03-05", "07:08:09", "none", "yes", std::nullopt}, error);
    ASSERT_TRUE(plan.writes.device) << error;
    EXPECT_EQ(DeviceSettingsJson(*plan.writes.device).dump(),
              R"({"passwordFlag":1,"description":"","deviceDate":"20100305",)"
              R"("deviceTime":"070809","timeZoneIndex":255})");
}

// --date alone keeps the device's time, a time zone may be named by a part of its name, and
// true counts as yes.
TEST(SettingsOptionsTest, OneHalfOfTheClockKeepsTheDevicesOther) {
    std::string error;
    DeviceSettingsOptions options;
    options.date = "2010-03-05";
    options.timeZone = "tokyo";
    options.askPassword = "true";
    const FleetPlan plan = PlanOf(ReportedDevice(), options, error);
    ASSERT_TRUE(plan.writes.device) << error;
    EXPECT_EQ(plan.writes.device->hour * 10000 + plan.writes.device->minute * 100 +
                  plan.writes.device->second,
              93005);
    EXPECT_EQ(plan.writes.device->verificationFlag, 1);
    EXPECT_NE(TimeZoneName(plan.writes.device->timeZoneIndex).find("Tokyo"), std::string::npos);
}

TEST(SettingsOptionsTest, ReportedValuesTheSettingsPageWouldNotTakeAreMended) {
    DeviceRecord record = ReportedDevice();
    record.timeZoneIndex = 200;
    Put(record.description, std::string(64, 'd'));
    std::string error;
    DeviceSettingsOptions options;
    options.askPassword = "yes";
    const FleetPlan plan = PlanOf(record, options, error);
    ASSERT_TRUE(plan.writes.device) << error;
    EXPECT_EQ(plan.writes.device->timeZoneIndex, -1);
    EXPECT_EQ(plan.writes.device->description, std::string(63, 'd'));
}

TEST(SettingsOptionsTest, ReportedValuesThatCannotBeSentNeedTheirOption) {
    struct Case {
        const char* field;
        const char* reported;
        const char* error;
    };
    const Case cases[] = {
        {"date", "20210230", "the device reports no valid date: give --date YYYY-MM-DD"},
        {"time", "", "the device reports no valid time: give --time HH:MM:SS"},
        {"description", "v1.2",
         "the device's description breaks the description rule: give --description"},
    };
    for (const Case& c : cases) {
        DeviceRecord record = ReportedDevice();
        const std::string field = c.field;
        if (field == "date") {
            Put(record.deviceDate, c.reported);
        } else if (field == "time") {
            Put(record.deviceTime, c.reported);
        } else {
            Put(record.description, c.reported);
        }
        std::string error;
        DeviceSettingsOptions options;
        options.askPassword = "yes";
        EXPECT_FALSE(PlanOf(record, options, error).writes.device) << c.field;
        EXPECT_EQ(error, c.error);
    }
}

// Only a value that differs from the device's is written; a clock always is.
TEST(SettingsOptionsTest, WhatTheDeviceHasAlreadyIsNotWritten) {
    std::string error;
    DeviceSettingsOptions same;
    same.description = "Office storage";
    same.timeZone = "56";
    const FleetPlan unchanged = PlanOf(ReportedDevice(), same, error);
    EXPECT_TRUE(unchanged.changes.empty());
    EXPECT_FALSE(unchanged.writes.device);
    same.clock = "now";
    EXPECT_TRUE(PlanOf(ReportedDevice(), same, error).writes.device);
    NetworkSettingsOptions network;
    network.addresses[2] = "198.51.100.1";
    EXPECT_FALSE(PlanOf(ReportedDevice(), network).writes.network);
}

TEST(SettingsOptionsTest, NetworkSettingsKeepWhatTheDeviceReportsUnlessGiven) {
    NetworkSettingsOptions options;
    options.staticAddress = true;
    options.addresses[0] = "198.51.100.5";
    options.addresses[4] = "198.51.100.2";
    const FleetPlan plan = PlanOf(ReportedDevice(), options);
    ASSERT_TRUE(plan.writes.network) << plan.error;
    EXPECT_EQ(NetworkSettingsJson(*plan.writes.network).dump(),
              R"({"ipStatus":0,"ipAddress":"198.51.100.5","subnetMask":"255.255.255.0",)"
              R"("defaultGateway":"198.51.100.1","primaryDns":"198.51.100.1",)"
              R"("secondaryDns":"198.51.100.2"})");
}

// Addresses for a device in DHCP without --static would be kept by nobody: refused with a hint.
// With --dhcp, only their form counts.
TEST(SettingsOptionsTest, AddressesForADhcpDeviceNeedStatic) {
    for (const size_t field : {0, 1, 2}) {
        NetworkSettingsOptions options;
        options.addresses[field] = "255.255.255.128";
        EXPECT_EQ(PlanOf(ReportedDevice(), options).error,
                  "the device takes its address by DHCP and would keep it: give --static to set "
                  "its IP address, mask or gateway")
            << field;
    }
    NetworkSettingsOptions dns;
    dns.addresses[3] = "198.51.100.3";
    EXPECT_EQ(PlanOf(ReportedDevice(), dns).error, "");
    NetworkSettingsOptions dhcp;
    dhcp.dhcp = true;
    dhcp.addresses[0] = "0.0.0.0";
    EXPECT_EQ(NetworkOptionsError(dhcp), "");
    EXPECT_EQ(PlanOf(ReportedDevice(), dhcp).error, "");
}

// The rule judges the options alone before anything is sent, and the settings as they will be
// written once the device's own values are known, naming those as the device's.
TEST(SettingsOptionsTest, NoSettingThatLosesTheDeviceGoesOut) {
    NetworkSettingsOptions nothing;
    EXPECT_EQ(NetworkOptionsError(nothing),
              "nothing to set: give --dhcp, --static, --ip, --mask, --gateway, --dns1 or --dns2");
    NetworkSettingsOptions mask;
    mask.addresses[1] = "255.0.255.0";
    EXPECT_EQ(NetworkOptionsError(mask),
              "--mask 255.0.255.0 is not a run of ones then zeros: the device would be lost, "
              "nothing sent");
    NetworkSettingsOptions moved;
    moved.staticAddress = true;
    moved.addresses[0] = "10.0.0.5";
    EXPECT_EQ(NetworkOptionsError(moved), "");
    EXPECT_EQ(PlanOf(ReportedDevice(), moved).error,
              "the device's default gateway 198.51.100.1 is not a host of the device's subnet "
              "10.0.0.0/24: the device would be lost");
}

}  // namespace
}  // namespace zerin::cli
