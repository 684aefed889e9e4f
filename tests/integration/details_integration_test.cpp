// The detail queries over the platform's sockets against the simulated device of details.conf.
// Runs only inside a private network namespace (tests/integration/details.sh).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/platform_socket_layer.h"
#include "protocol/device_details.h"
#include "protocol/device_search.h"
#include "tests/support/recording_reporter.h"

namespace zerin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> ShareNames(const DeviceRecord& record) {
    std::vector<std::string> names;
    for (const ShareNameEntry& entry : record.shareList.value()) {
        names.push_back(entry.Name());
    }
    return names;
}

std::vector<std::string> ExpectedShareNames() {
    std::vector<std::string> names;
    for (int i = 1; i <= 25; ++i) {
        names.push_back((i < 10 ? "Share0" : "Share") + std::to_string(i));
    }
    return names;
}

class DetailsIntegrationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SearchDevices(sockets, reporter,
                      [this](std::unique_ptr<DeviceRecord> found) { record = std::move(found); });
        ASSERT_TRUE(record) << "the simulated device did not answer the search";
        ASSERT_STREQ(record->name, "NETSTOR-000020");
    }

    PlatformSocketLayer sockets;
    testing::RecordingReporter reporter;
    std::unique_ptr<DeviceRecord> record;
};

TEST_F(DetailsIntegrationTest, FillsTheRecordAndShowsTheDevice) {
    const DeviceDetails details = QueryDeviceDetails(sockets, reporter, *record);
    EXPECT_THAT(reporter.messages, IsEmpty());
    ASSERT_TRUE(details.opened);
    EXPECT_EQ(details.texts.firmwareVersion, "V02R04");
    EXPECT_EQ(details.texts.description,
              "Integration shelf 0123456789 abcdefghijklmnopqrstuvwxyz ABCDEFGH");
    EXPECT_EQ(details.texts.macAddress, "02:5a:00:00:00:20");
    EXPECT_EQ(details.texts.ipAddress, "198.51.100.20");
    EXPECT_EQ(details.texts.ipStatus, "DHCP");
    EXPECT_EQ(record->passwordFlag, 1);
    EXPECT_STREQ(record->deviceDate, "20091014");
    EXPECT_STREQ(record->deviceTime, "093005");
    EXPECT_EQ(record->timeZoneIndex, 56);
    EXPECT_STREQ(record->secondaryDns, "192.168.100.200");
    EXPECT_EQ(record->shareCount, 25);
    EXPECT_EQ(ShareNames(*record), ExpectedShareNames());
    ASSERT_EQ(details.usbRows.size(), 2u);
    const UsbRow& first = details.usbRows[0];
    EXPECT_EQ(first.shareName + "|" + first.deviceId + "|" + first.fileSystem + "|" +
                  first.totalSize + "|" + first.freeSpace,
              "Share01|USB2-0000A1B2C3D|NTFS|4294967295|7%");
    EXPECT_EQ(details.usbRows[1].totalSize, "2147483648");
    EXPECT_EQ(details.usbRows[1].freeSpace, "-1%");
}

TEST_F(DetailsIntegrationTest, ASecondQueryRebuildsTheShareList) {
    QueryDeviceDetails(sockets, reporter, *record);
    QueryDeviceDetails(sockets, reporter, *record);
    EXPECT_EQ(ShareNames(*record), ExpectedShareNames());
}

}  // namespace
}  // namespace zerin
