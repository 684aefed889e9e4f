// The settings that set-device and set-network send: the options over the device's values.
#include <gtest/gtest.h>

#include <algorithm>

#include "protocol/description_rule.h"
#include "cli/set_device_command.h"
#include "cli/set_network_command.h"

namespace zerin::cli {
namespace {

template <size_t N>
void Put(char (&field)[N], const std::string& text) {
    std::copy_n(text.c_str(), std::min(N, text.size() + 1), field);
}

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

Arguments Options(std::map<std::string, std::string> options) {
    return {{"device"}, std::move(options)};
}

TEST(SettingsOptionsTest, DeviceSettingsKeepWhatTheDeviceReports) {
    std::string error;
    const auto settings = DeviceSettingsFrom(ReportedDevice(), Options({}), error);
    ASSERT_TRUE(settings) << error;
    EXPECT_EQ(settings->verificationFlag, 0);
    EXPECT_EQ(settings->description, "Office storage");
    EXPECT_EQ(settings->year, 2009);
    EXPECT_EQ(settings->month, 10);
    EXPECT_EQ(settings->day, 14);
    EXPECT_EQ(settings->hour, 9);
    EXPECT_EQ(settings->minute, 30);
    EXPECT_EQ(settings->second, 5);
    EXPECT_EQ(settings->timeZoneIndex, 56);
}

TEST(SettingsOptionsTest, DeviceSettingsOptionsReplaceTheReportedValues) {
    std::string error;
    const auto settings = DeviceSettingsFrom(ReportedDevice(),
                                             Options({{"--description", ""},
                                                      {"--date", "2010-03-05"},
                                                      {"--time", "07:08:09"},
                                                      {"--timezone", "none"},
                                                      {"--ask-password", "yes"}}),
                                             error);
    ASSERT_TRUE(settings) << error;
    EXPECT_EQ(settings->verificationFlag, 1);
    EXPECT_EQ(settings->description, "");
    EXPECT_EQ(settings->year * 10000 + settings->month * 100 + settings->day, 20100305);
    EXPECT_EQ(settings->hour * 10000 + settings->minute * 100 + settings->second, 70809);
    EXPECT_EQ(settings->timeZoneIndex, -1);
}

TEST(SettingsOptionsTest, ReportedValuesTheSettingsPageWouldNotTakeAreMended) {
    DeviceRecord record = ReportedDevice();
    record.timeZoneIndex = 200;
    Put(record.description, std::string(64, 'd'));
    std::string error;
    const auto settings = DeviceSettingsFrom(record, Options({}), error);
    ASSERT_TRUE(settings) << error;
    EXPECT_EQ(settings->timeZoneIndex, -1);
    EXPECT_EQ(settings->description, std::string(63, 'd'));
}

TEST(SettingsOptionsTest, DeviceSettingsRefusals) {
    DeviceRecord undated = ReportedDevice();
    Put(undated.deviceDate, "");
    struct Case {
        DeviceRecord record;
        std::map<std::string, std::string> options;
        std::string error;
    };
    const Case cases[] = {
        {ReportedDevice(), {{"--description", "v1.2"}}, kInvalidDescriptionMessage},
        {ReportedDevice(),
         {{"--description", std::string(64, 'd')}},
         "the description takes at most 63 characters"},
        {ReportedDevice(), {{"--ask-password", "maybe"}}, "--ask-password takes yes or no"},
        {ReportedDevice(),
         {{"--timezone", "75"}},
         "--timezone takes an index from 0 to 74, or none"},
        {ReportedDevice(), {{"--time", "25:00:00"}}, "no valid time: give --time HH:MM:SS"},
        {undated, {}, "no valid date: give --date YYYY-MM-DD"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(DeviceSettingsFrom(c.record, Options(c.options), error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(SettingsOptionsTest, NetworkSettingsKeepWhatTheDeviceReportsUnlessGiven) {
    std::string error;
    auto settings = NetworkSettingsFrom(ReportedDevice(), Options({}), error);
    ASSERT_TRUE(settings) << error;
    EXPECT_EQ(settings->protocolIndex, 1);
    EXPECT_EQ(settings->ipAddress, "198.51.100.10");
    EXPECT_EQ(settings->secondaryDns, "0.0.0.0");

    settings = NetworkSettingsFrom(
        ReportedDevice(), Options({{"--static", ""}, {"--ip", "10.0.0.5"}, {"--dns2", "10.0.0.2"}}),
        error);
    ASSERT_TRUE(settings) << error;
    EXPECT_EQ(settings->protocolIndex, 0);
    EXPECT_EQ(settings->ipAddress, "10.0.0.5");
    EXPECT_EQ(settings->subnetMask, "255.255.255.0");
    EXPECT_EQ(settings->secondaryDns, "10.0.0.2");
}

TEST(SettingsOptionsTest, NetworkSettingsRefusals) {
    std::string error;
    EXPECT_FALSE(
        NetworkSettingsFrom(ReportedDevice(), Options({{"--dhcp", ""}, {"--static", ""}}), error));
    EXPECT_EQ(error, "give --dhcp or --static, not both");
    EXPECT_FALSE(NetworkSettingsFrom(ReportedDevice(), Options({{"--mask", "255.255.0"}}), error));
    EXPECT_EQ(error, "--mask takes a dotted IPv4 address");
}

}  // namespace
}  // namespace zerin::cli
