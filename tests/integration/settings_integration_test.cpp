// Verification and the two settings updates over the platform's sockets against the simulated
// device of settings.conf, each write read back by the detail queries. Runs only inside a
// private network namespace (tests/integration/settings.sh).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/platform_socket_layer.h"
#include "protocol/administrator_verification.h"
#include "protocol/device_details.h"
#include "protocol/device_search.h"
#include "protocol/device_settings_update.h"
#include "protocol/network_settings_update.h"
#include "tests/support/recording_reporter.h"

namespace zerin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SettingsIntegrationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SearchDevices(sockets, reporter,
                      [this](std::unique_ptr<DeviceRecord> found) { record = std::move(found); });
        ASSERT_TRUE(record) << "the simulated device did not answer the search";
    }
    void ReadBack() { ASSERT_TRUE(QueryDeviceDetails(sockets, reporter, *record).opened); }

    PlatformSocketLayer sockets;
    testing::RecordingReporter reporter;
    std::unique_ptr<DeviceRecord> record;
};

TEST_F(SettingsIntegrationTest, AWrongPasswordIsRefusedAndTheRightOneAccepted) {
    const auto wrong = VerifyAdministrator(sockets, reporter, record->macAddress, "admin", "guess");
    EXPECT_EQ(wrong.verification, Verification::kNotAccepted);
    EXPECT_THAT(reporter.messages, ElementsAre("Verify failed!"));
    const auto right =
        VerifyAdministrator(sockets, reporter, record->macAddress, "admin", "secret");
    EXPECT_EQ(right.verification, Verification::kAccepted);
    EXPECT_EQ(reporter.messages.size(), 1u);
}

TEST_F(SettingsIntegrationTest, DeviceSettingsAreReadBack) {
    const DeviceSettings settings{0, "Written by the test", 2010, 3, 5, 7, 8, 9, 74};
    const auto result =
        SetDeviceInfo(sockets, reporter, record->macAddress, record->name, settings);
    EXPECT_EQ(result.code, 0);
    ASSERT_TRUE(result.reply);
    EXPECT_EQ(result.reply->command, CMD_SET_DEVICE_INFO);
    ReadBack();
    EXPECT_EQ(record->passwordFlag, 0);
    EXPECT_STREQ(record->description, "Written by the test");
    EXPECT_STREQ(record->deviceDate, "20100305");
    EXPECT_STREQ(record->deviceTime, "070809");
    EXPECT_EQ(record->timeZoneIndex, 74);
    EXPECT_THAT(reporter.messages, IsEmpty());
}

TEST_F(SettingsIntegrationTest, NetworkSettingsAreReadBack) {
    const NetworkSettings settings{
        1, "198.51.100.30", "255.255.255.0", "198.51.100.1", "192.168.100.200", "198.51.100.2"};
    const auto result = SetNetworkInfo(sockets, reporter, record->macAddress, settings);
    EXPECT_EQ(result.code, 0);
    ReadBack();
    EXPECT_EQ(record->ipStatus, 1);
    EXPECT_STREQ(record->primaryDns, "192.168.100.200");
    EXPECT_STREQ(record->secondaryDns, "198.51.100.2");
    EXPECT_THAT(reporter.messages, IsEmpty());
}

}  // namespace
}  // namespace zerin
