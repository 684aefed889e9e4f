// The detail texts and the USB row texts.
#include "protocol/device_texts.h"

#include <gtest/gtest.h>

#include "tests/support/packet_builder.h"

namespace zerin {
namespace {

using testing::PacketBuilder;

TEST(DeviceTextsTest, FirmwareVersionEndsAtTheFirstNul) {
    struct Case {
        const char firmware[5];
        const char* text;
    };
    const Case cases[] = {
        {"0107", "V01R07"},
        {"", "V"},
        {"01", "V01R"},
        {{'0', '1', '\0', '7', '\0'}, "V01R"},
        {{'\0', '1', '0', '7', '\0'}, "V"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFirmwareVersion(c.firmware), c.text) << c.text;
    }
}

TEST(DeviceTextsTest, IpStatusIsNamedOnlyForStaticAndDhcp) {
    EXPECT_EQ(FormatIpStatus(0), "Static ip");
    EXPECT_EQ(FormatIpStatus(1), "DHCP");
    EXPECT_EQ(FormatIpStatus(2), "");
    EXPECT_EQ(FormatIpStatus(255), "");
}

TEST(DeviceTextsTest, DetailTextsComeFromTheRecord) {
    DeviceRecord record;
    record.macAddress = {0x00, 0x1d, 0xaa, 0x0b, 0xc0, 0xff};
    std::copy_n("198.51.100.200", 15, record.ipAddress);
    std::copy_n("Lab - 2", 8, record.description);
    record.ipStatus = 2;
    const DetailTexts texts = FormatDetailTexts(record);
    EXPECT_EQ(texts.macAddress, "00:1d:aa:0b:c0:ff");
    EXPECT_EQ(texts.ipAddress, "198.51.100.200");
    EXPECT_EQ(texts.description, "Lab - 2");
    EXPECT_EQ(texts.ipStatus, "");
    EXPECT_EQ(texts.firmwareVersion, "V");
}

UsbInfoEntry Entry(uint32_t totalMb, int16_t freePercent, const std::string& deviceId = "id") {
    const std::vector<uint8_t> bytes = PacketBuilder(0, UsbInfoEntry::kSize)
                                           .Text(0, "Share")
                                           .Text(36, deviceId)
                                           .Text(52, "NTFS")
                                           .U32(62, totalMb)
                                           .U16(66, static_cast<uint16_t>(freePercent));
    return ReadUsbInfoEntry(bytes.data());
}

TEST(DeviceTextsTest, UsbRowShowsSizesAsUnsignedMegabytesAndSignedPercent) {
    struct Case {
        uint32_t totalMb;
        int16_t freePercent;
        const char* totalSize;
        const char* freeSpace;
    };
    const Case cases[] = {
        {15258, 7, "15258", "7%"},           {0x7fffffff, 100, "2147483647", "100%"},
        {0x80000000, 0, "2147483648", "0%"}, {0xffffffff, -1, "4294967295", "-1%"},
        {1, -32768, "1", "-32768%"},
    };
    for (const Case& c : cases) {
        const UsbRow row = FormatUsbRow(Entry(c.totalMb, c.freePercent));
        EXPECT_EQ(row.totalSize, c.totalSize);
        EXPECT_EQ(row.freeSpace, c.freeSpace);
        EXPECT_EQ(row.shareName, "Share");
        EXPECT_EQ(row.fileSystem, "NTFS");
    }
}

TEST(DeviceTextsTest, DeviceIdOfSixteenCharactersIsShownWholeAndNoMore) {
    // The file system field follows the device id directly, so a full id has no terminator.
    EXPECT_EQ(FormatUsbRow(Entry(1, 1, "USB2-0000A1B2C3D")).deviceId, "USB2-0000A1B2C3D");
    EXPECT_EQ(FormatUsbRow(Entry(1, 1, "USB1")).deviceId, "USB1");
}

TEST(DeviceTextsTest, FullShareNameAndFileSystemFieldsStayWithinTheirFields) {
    std::vector<uint8_t> bytes(UsbInfoEntry::kSize, 'x');
    const UsbRow row = FormatUsbRow(ReadUsbInfoEntry(bytes.data()));
    EXPECT_EQ(row.shareName, std::string(36, 'x'));
    EXPECT_EQ(row.deviceId, std::string(16, 'x'));
    EXPECT_EQ(row.fileSystem, std::string(10, 'x'));
}

}  // namespace
}  // namespace zerin
