// The settings that set-device and set-network send: the options over the device's values.
#include <gtest/gtest.h>

#include "cli/commands/set_device.h"
#include "cli/commands/set_network.h"
#include "operations/device_json.h"
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

TEST(SettingsOptionsTest, DeviceSettingsKeepWhatTheDeviceReports) {
    std::string error;
    const auto settings = DeviceSettingsFrom(ReportedDevice(), {}, error);
    ASSERT_TRUE(settings) << error;
    EXPECT_EQ(DeviceSettingsJson(*settings).dump(),
              R"({"passwordFlag":0,"description":"Office storage","deviceDate":"20091014",)"
              R"("deviceTime":"093005","timeZoneIndex":56})");
}

TEST(SettingsOptionsTest, DeviceSettingsOptionsReplaceTheReportedValues) {
    std::string error;
    const auto settings =
        DeviceSettingsFrom(ReportedDevice(), {"", "2010-03-05", "07:08:09", "none", "yes"}, error);
    ASSERT_TRUE(settings) << error;
    EXPECT_EQ(DeviceSettingsJson(*settings).dump(),
              R"({"passwordFlag":1,"description":"","deviceDate":"20100305",)"
              R"("deviceTime":"070809","timeZoneIndex":255})");
}

TEST(SettingsOptionsTest, ReportedValuesTheSettingsPageWouldNotTakeAreMended) {
    DeviceRecord record = ReportedDevice();
    record.timeZoneIndex = 200;
    Put(record.description, std::string(64, 'd'));
    std::string error;
    const auto settings = DeviceSettingsFrom(record, {}, error);
    ASSERT_TRUE(settings) << error;
    EXPECT_EQ(settings->timeZoneIndex, -1);
    EXPECT_EQ(settings->description, std::string(63, 'd'));
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
        EXPECT_FALSE(DeviceSettingsFrom(record, {}, error)) << c.field;
        EXPECT_EQ(error, c.error);
    }
}

TEST(SettingsOptionsTest, NetworkSettingsKeepWhatTheDeviceReportsUnlessGiven) {
    EXPECT_EQ(NetworkSettingsJson(NetworkSettingsFrom(ReportedDevice(), {})).dump(),
              R"({"ipStatus":1,"ipAddress":"198.51.100.10","subnetMask":"255.255.255.0",)"
              R"("defaultGateway":"198.51.100.1","primaryDns":"198.51.100.1",)"
              R"("secondaryDns":"0.0.0.0"})");
    NetworkSettingsOptions options;
    options.staticAddress = true;
    options.addresses[0] = "10.0.0.5";
    options.addresses[4] = "10.0.0.2";
    EXPECT_EQ(NetworkSettingsJson(NetworkSettingsFrom(ReportedDevice(), options)).dump(),
              R"({"ipStatus":0,"ipAddress":"10.0.0.5","subnetMask":"255.255.255.0",)"
              R"("defaultGateway":"198.51.100.1","primaryDns":"198.51.100.1",)"
              R"("secondaryDns":"10.0.0.2"})");
}

}  // namespace
}  // namespace zerin::cli
