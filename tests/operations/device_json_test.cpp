// A device's report as JSON, by the record's field names.
#include "operations/device_json.h"

#include <gtest/gtest.h>

#include "tests/support/shown_device.h"

namespace zerin {
namespace {

using testing::SharingDevice;
using testing::ShownDevice;

TEST(DeviceJsonTest, JsonNamesTheRecordFieldsAndListsSharesAndUsbRows) {
    const ShownDevice device = SharingDevice();
    EXPECT_EQ(JsonText(DetailsJson(device.record, device.details)) + '\n',
              "{\"name\":\"NETSTOR \\\"1\\\"\",\"description\":\"\",\"productCode\":\"\","
              "\"firmwareVersion\":\"0107\",\"passwordFlag\":0,"
              "\"macAddress\":\"02:5a:00:00:00:10\",\"ipStatus\":0,"
              "\"ipAddress\":\"198.51.100.10\",\"subnetMask\":\"\",\"defaultGateway\":\"\","
              "\"primaryDns\":\"\",\"secondaryDns\":\"\",\"deviceDate\":\"\",\"deviceTime\":\"\","
              "\"searchWord\":0,\"timeZoneIndex\":0,\"shareCount\":2,"
              "\"mode\":\"static\",\"clock\":null,"
              "\"timeZone\":\"(GMT-12:00) International Date Line West\",\"guarded\":false,"
              "\"shares\":[\"Public\",\"Scans\"],"
              "\"usb\":[{\"shareName\":\"Public\",\"deviceId\":\"USB1\",\"fileSystem\":\"FAT32\","
              "\"totalSize\":\"15258\",\"freeSpace\":\"7%\",\"totalSizeMB\":15258,"
              "\"freeSpacePercent\":7}]}\n");
}

TEST(DeviceJsonTest, JsonShowsBytesThatAreNotUtf8AsReplacementCharacters) {
    ShownDevice device = SharingDevice();
    std::copy_n("Caf\xe9 \xc3\xa9t\xc3", 11, device.record.description);
    const std::string text = JsonText(DetailsJson(device.record, device.details));
    EXPECT_NE(text.find("\"description\":\"Caf\xef\xbf\xbd \xc3\xa9t\xef\xbf\xbd\""),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace zerin
