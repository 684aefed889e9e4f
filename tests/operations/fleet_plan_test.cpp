// An entry's plan against what its device reports, and the settings its writes send.
#include "operations/fleet/fleet_plan.h"
#include "tests/support/record_text.h"

#include <gtest/gtest.h>

namespace zerin {
namespace {

using testing::Put;

DeviceRecord Reported() {
    DeviceRecord record;
    Put(record.description, "Office");
    Put(record.deviceDate, "20240115");
    Put(record.deviceTime, "093005");
    record.timeZoneIndex = 56;
    record.passwordFlag = 1;
    record.ipStatus = 1;
    Put(record.ipAddress, "198.51.100.10");
    Put(record.subnetMask, "255.255.255.0");
    return record;
}

std::string Changes(const FleetPlan& plan) {
    std::string text;
    for (const Change& change : plan.changes) {
        text += change.field + ' ' + change.from.dump() + "->" + change.to.dump() + ';';
    }
    return text;
}

TEST(FleetPlanTest, OnlyValuesThatDifferAreChangesAndTheClockAlwaysIs) {
    FleetSettings same;
    same.description = "Office";
    same.timeZone = 56;
    same.askPassword = true;
    same.network.mode = "dhcp";
    same.network.addresses[0] = "198.51.100.10";
    FleetPlan plan = PlanChanges(same, Reported(), std::tm{});
    EXPECT_EQ(Changes(plan), "");
    EXPECT_FALSE(plan.writes.device || plan.writes.network);

    FleetSettings other = same;
    other.timeZone = -1;
    other.clock = "now";
    other.network.mode = "static";
    other.network.addresses[2] = "198.51.100.1";
    plan = PlanChanges(other, Reported(), std::tm{});
    EXPECT_EQ(Changes(plan),
              "timeZone 56->null;clock \"2024-01-15 09:30:05\"->\"now\";"
              "network.mode \"dhcp\"->\"static\";network.gateway \"\"->\"198.51.100.1\";");
    EXPECT_TRUE(plan.writes.device && plan.writes.network);
    EXPECT_EQ(plan.error, "");
}

TEST(FleetPlanTest, WritesThatCannotGoOutAreThePlansError) {
    DeviceRecord record = Reported();
    Put(record.subnetMask, "");
    FleetSettings settings;
    settings.network.mode = "static";
    EXPECT_EQ(PlanChanges(settings, record, std::tm{}).error,
              "a static setup needs an IP address and a mask");
    settings.network.addresses[1] = "255.255.0.0";
    EXPECT_EQ(PlanChanges(settings, record, std::tm{}).error, "");

    // The device's own date goes back with a new description, unless it does not read.
    Put(record.deviceDate, "20210230");
    settings.description = "Lab";
    EXPECT_EQ(PlanChanges(settings, record, std::tm{}).error,
              "the device reports no valid date: give the entry a clock");
    settings.clock = "2021-03-01 10:00:00";
    EXPECT_EQ(PlanChanges(settings, record, std::tm{}).error, "");
}

TEST(FleetPlanTest, WritesSendTheFilesValuesOverTheDevicesAndNowAsLocalTime) {
    FleetSettings settings;
    settings.description = "Lab";
    settings.clock = "now";
    std::tm now{};
    now.tm_year = 126;
    now.tm_mon = 11;
    now.tm_mday = 10;
    now.tm_hour = 8;
    now.tm_min = 7;
    now.tm_sec = 6;
    const auto device = PlanChanges(settings, Reported(), now).writes.device;
    ASSERT_TRUE(device);
    EXPECT_EQ(device->description, "Lab");
    EXPECT_EQ(device->verificationFlag, 1);
    EXPECT_EQ(device->timeZoneIndex, 56);
    EXPECT_EQ(device->year * 10000 + device->month * 100 + device->day, 20261210);
    EXPECT_EQ(device->hour * 10000 + device->minute * 100 + device->second, 80706);

    settings.clock.reset();
    std::string error;
    const auto kept = DeviceSettingsFor(settings, Reported(), now, kEntryGives, error);
    ASSERT_TRUE(kept) << error;
    EXPECT_EQ(kept->year * 10000 + kept->month * 100 + kept->day, 20240115);

    settings.network.addresses[0] = "198.51.100.99";
    const NetworkSettings network = NetworkSettingsOver(Reported(), settings.network);
    EXPECT_EQ(network.protocolIndex, 1);
    EXPECT_EQ(network.ipAddress, "198.51.100.99");
    EXPECT_EQ(network.subnetMask, "255.255.255.0");
}

}  // namespace
}  // namespace zerin
