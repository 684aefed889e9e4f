// What `zerin-cli show` prints of a device.
#include "cli/commands/show.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zerin::cli {
namespace {

struct ShownDevice {
    DeviceRecord record;
    DeviceDetails details;
};

ShownDevice Device() {
    ShownDevice device;
    DeviceRecord& record = device.record;
    std::copy_n("NETSTOR \"1\"", 12, record.name);
    std::copy_n("0107", 5, record.firmwareVersion);
    record.macAddress = {0x02, 0x5a, 0, 0, 0, 0x10};
    std::copy_n("198.51.100.10", 14, record.ipAddress);
    record.shareCount = 2;
    ResetShareList(record);
    for (const char* name : {"Public", "Scans"}) {
        uint8_t entry[ShareNameEntry::kSize] = {};
        std::copy_n(name, std::char_traits<char>::length(name), entry);
        AppendShareEntry(record, entry);
    }
    device.details = {true,
                      FormatDetailTexts(record),
                      {{"Public", "USB1", "FAT32", "15258", "7%"}},
                      std::nullopt};
    return device;
}

TEST(ShowCommandTest, TextShowsTheDetailsThenTheSharesThenTheUsbRows) {
    const ShownDevice device = Device();
    std::ostringstream out;
    PrintDetails(device.record, device.details, out);
    EXPECT_EQ(out.str(),
              "Firmware Version: V01R07\n"
              "Description: \n"
              "Mac Address: 02:5a:00:00:00:10\n"
              "IP Address: 198.51.100.10\n"
              "IP Status: Static ip\n"
              "Share: Public\n"
              "Share: Scans\n"
              "Share Name\tDevice Id\tFS Type\tTotal Size(MB)\tFree Space\n"
              "Public\tUSB1\tFAT32\t15258\t7%\n");
}

TEST(ShowCommandTest, JsonNamesTheRecordFieldsAndListsSharesAndUsbRows) {
    const ShownDevice device = Device();
    std::ostringstream out;
    PrintDetailsJson(device.record, device.details, out);
    EXPECT_EQ(out.str(),
              "{\"name\":\"NETSTOR \\\"1\\\"\",\"description\":\"\",\"productCode\":\"\","
              "\"firmwareVersion\":\"0107\",\"passwordFlag\":0,"
              "\"macAddress\":\"02:5a:00:00:00:10\",\"ipStatus\":0,"
              "\"ipAddress\":\"198.51.100.10\",\"subnetMask\":\"\",\"defaultGateway\":\"\","
              "\"primaryDns\":\"\",\"secondaryDns\":\"\",\"deviceDate\":\"\",\"deviceTime\":\"\","
              "\"searchWord\":0,\"timeZoneIndex\":0,\"shareCount\":2,"
              "\"shares\":[\"Public\",\"Scans\"],"
              "\"usb\":[{\"shareName\":\"Public\",\"deviceId\":\"USB1\",\"fileSystem\":\"FAT32\","
              "\"totalSize\":\"15258\",\"freeSpace\":\"7%\"}]}\n");
}

TEST(ShowCommandTest, JsonShowsBytesThatAreNotUtf8AsReplacementCharacters) {
    ShownDevice device = Device();
    std::copy_n("Caf\xe9 \xc3\xa9t\xc3", 11, device.record.description);
    std::ostringstream out;
    PrintDetailsJson(device.record, device.details, out);
    EXPECT_NE(out.str().find("\"description\":\"Caf\xef\xbf\xbd \xc3\xa9t\xef\xbf\xbd\""),
              std::string::npos)
        << out.str();
}

TEST(ShowCommandTest, ARecordNeverQueriedShowsNoSharesAndNoUsbTable) {
    DeviceRecord record;
    std::ostringstream out;
    PrintDetails(record, {true, FormatDetailTexts(record), {}, std::nullopt}, out);
    EXPECT_EQ(out.str(),
              "Firmware Version: V\nDescription: \nMac Address: 00:00:00:00:00:00\n"
              "IP Address: \nIP Status: Static ip\n");
}

}  // namespace
}  // namespace zerin::cli
