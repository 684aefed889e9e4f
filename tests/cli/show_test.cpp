// What `zerin-cli show` prints of a device.
#include "cli/commands/show.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/shown_device.h"

namespace zerin::cli {
namespace {

using testing::SharingDevice;
using testing::ShownDevice;

TEST(ShowCommandTest, TextShowsTheDetailsThenTheSharesThenTheUsbRows) {
    const ShownDevice device = SharingDevice();
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
