// What `zerin-cli show` prints of a device.
#include "cli/commands/show.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/record_text.h"
#include "tests/support/shown_device.h"

namespace zerin::cli {
namespace {

using testing::Put;
using testing::SharingDevice;
using testing::ShownDevice;

ShownDevice Device() {
    ShownDevice device = SharingDevice();
    Put(device.record.deviceDate, "20091014");
    Put(device.record.deviceTime, "093005");
    device.record.timeZoneIndex = 61;
    device.record.passwordFlag = 1;
    Put(device.record.subnetMask, "255.255.255.0");
    Put(device.record.defaultGateway, "198.51.100.1");
    Put(device.record.primaryDns, "198.51.100.1");
    Put(device.record.secondaryDns, "0.0.0.0");
    return device;
}

TEST(ShowCommandTest, TextSaysEverythingTheJsonHoldsThenTheUsbRows) {
    const ShownDevice device = Device();
    std::ostringstream out;
    PrintDetails(device.record, device.details, out, false);
    EXPECT_EQ(out.str(),
              "Name: NETSTOR \"1\"\n"
              "Description: \n"
              "MAC address: 02:5a:00:00:00:10\n"
              "IP address: 198.51.100.10\n"
              "Mode: static\n"
              "Subnet mask: 255.255.255.0\n"
              "Default gateway: 198.51.100.1\n"
              "DNS servers: 198.51.100.1, none\n"
              "Clock: 2009-10-14T09:30:05\n"
              "Time zone: 61 (GMT+09:00) Osaka, Sapporo, Tokyo\n"
              "Guarded: yes, it asks for its administrator's password\n"
              "Firmware: V01R07\n"
              "Product code: \n"
              "Shares: Public, Scans\n"
              "USB storage:\n"
              "  SHARE\tDEVICE ID\tFILE SYSTEM\tSIZE (MB)\tFREE SPACE\n"
              "  Public\tUSB1\tFAT32\t15258\t7%\n");
}

TEST(ShowCommandTest, ATerminalGetsTheValuesAligned) {
    const ShownDevice device = Device();
    std::ostringstream out;
    PrintDetails(device.record, device.details, out, true);
    EXPECT_NE(out.str().find("Name:             NETSTOR \"1\"\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Default gateway:  198.51.100.1\n"), std::string::npos);
    EXPECT_NE(out.str().find("  SHARE   DEVICE ID  FILE SYSTEM  SIZE (MB)  FREE SPACE\n"
                             "  Public  USB1       FAT32        15258      7%\n"),
              std::string::npos)
        << out.str();
}

TEST(ShowCommandTest, ARecordNeverQueriedShowsNoSharesAndNoUsbTable) {
    DeviceRecord record;
    std::ostringstream out;
    PrintDetails(record, {true, FormatDetailTexts(record), {}, std::nullopt}, out, false);
    EXPECT_NE(out.str().find("Clock: none\nTime zone: 0 (GMT-12:00) International Date Line West\n"
                             "Guarded: no\n"),
              std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("Shares: none\n"), std::string::npos);
    EXPECT_EQ(out.str().find("USB storage"), std::string::npos);
}

}  // namespace
}  // namespace zerin::cli
