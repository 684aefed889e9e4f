// Every reply's fields sit at the offsets the client reads, full-width texts included.
#include "tools/devsim/reply_builder.h"

#include <gtest/gtest.h>

#include "protocol/packet.h"
#include "tests/devsim/reply_fields.h"

namespace zerin::devsim {
namespace {

using testing::AllZero;
using testing::TextAt;

// Texts filling their whole fields, so a field written one byte off shows in its neighbour.
DeviceState FullWidthDevice() {
    DeviceState device;
    device.name = "SIXTEEN-CHAR-NAM";
    device.mac = {0x02, 0x5a, 0x01, 0x02, 0x03, 0x04};
    device.productCode = "0101";
    device.firmware = "0203";
    device.passwordFlag = 1;
    device.description = std::string(64, 'd');
    device.date = "20100305";
    device.time = "070809";
    device.timeZone = 56;
    device.ipStatus = kIpDhcp;
    device.ip = "192.168.100.200";
    device.mask = "255.255.255.000";
    device.gateway = "192.168.100.001";
    device.dns1 = "192.168.100.002";
    device.dns2 = "192.168.100.003";
    device.searchWord = 0x1234;
    return device;
}

struct HeaderCase {
    const char* name;
    Datagram (*build)(const DeviceState&);
    uint16_t command;
    size_t size;
};

TEST(ReplyBuilder, HeadersCarryCommandDeviceMacAndPayloadLength) {
    const HeaderCase cases[] = {
        {"search", BuildSearchReply, CMD_SEARCH, 50},
        {"device info", BuildDeviceInfoReply, CMD_GET_DEVICE_INFO, 116},
        {"network info", BuildNetworkInfoReply, CMD_GET_NETWORK_INFO, 88},
        {"share count", BuildShareCountReply, CMD_GET_SHARE_COUNT, 14},
        {"usb info", BuildUsbInfoReply, CMD_GET_USB_INFO, 13},
    };
    DeviceState device = FullWidthDevice();
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        Datagram reply = c.build(device);
        ASSERT_EQ(reply.size(), c.size);
        EXPECT_EQ(ReadU16(&reply[0]), c.command);
        EXPECT_EQ(ReadU16(&reply[2]), 0);
        EXPECT_EQ(ReadU16(&reply[4]), c.size - 12);
        EXPECT_TRUE(std::equal(device.mac.begin(), device.mac.end(), reply.begin() + 6));
    }
}

TEST(ReplyBuilder, SearchReplyHoldsIdentityFields) {
    Datagram reply = BuildSearchReply(FullWidthDevice());
    EXPECT_EQ(TextAt(reply, 12, 4), "0101");
    EXPECT_EQ(TextAt(reply, 16, 16), "SIXTEEN-CHAR-NAM");
    EXPECT_EQ(TextAt(reply, 32, 15), "192.168.100.200");
    EXPECT_EQ(reply[47], 0);
    EXPECT_EQ(reply[48], 0x34);
    EXPECT_EQ(reply[49], 0x12);
}

TEST(ReplyBuilder, DeviceInfoReplyHoldsSettings) {
    Datagram reply = BuildDeviceInfoReply(FullWidthDevice());
    EXPECT_EQ(TextAt(reply, 12, 4), "0101");
    EXPECT_EQ(TextAt(reply, 16, 4), "0203");
    EXPECT_EQ(reply[20], 1);
    EXPECT_EQ(TextAt(reply, 37, 64), std::string(64, 'd'));
    EXPECT_EQ(TextAt(reply, 101, 8), "20100305");
    EXPECT_EQ(TextAt(reply, 109, 6), "070809");
    EXPECT_EQ(reply[115], 56);
}

TEST(ReplyBuilder, NetworkInfoReplyHoldsStatusAndFiveAddressesBackToBack) {
    Datagram reply = BuildNetworkInfoReply(FullWidthDevice());
    EXPECT_EQ(reply[12], 1);
    EXPECT_EQ(TextAt(reply, 13, 15), "192.168.100.200");
    EXPECT_EQ(TextAt(reply, 28, 15), "255.255.255.000");
    EXPECT_EQ(TextAt(reply, 43, 15), "192.168.100.001");
    EXPECT_EQ(TextAt(reply, 58, 15), "192.168.100.002");
    EXPECT_EQ(TextAt(reply, 73, 15), "192.168.100.003");
}

TEST(ReplyBuilder, ShortAddressesAreZeroFilled) {
    DeviceState device = FullWidthDevice();
    device.ip = "10.0.0.5";
    Datagram reply = BuildNetworkInfoReply(device);
    EXPECT_EQ(TextAt(reply, 13, 15), "10.0.0.5");
    EXPECT_TRUE(AllZero(reply, 13 + 8, 28));
}

TEST(ReplyBuilder, ShareListPagesHoldTwentyNamesEach) {
    DeviceState device = FullWidthDevice();
    for (int i = 0; i < 45; ++i) {
        device.shares.push_back("share" + std::to_string(i));
    }
    EXPECT_EQ(ReadU16(&BuildShareCountReply(device)[12]), 45);
    const struct {
        uint8_t page;
        size_t count;
    } cases[] = {{0, 20}, {1, 20}, {2, 5}, {3, 0}, {255, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.page));
        Datagram reply = BuildShareListReply(device, c.page);
        ASSERT_EQ(reply.size(), 14 + 36 * c.count);
        EXPECT_EQ(ReadU16(&reply[0]), CMD_GET_SHARE_LIST);
        EXPECT_EQ(reply[12], c.page);
        EXPECT_EQ(reply[13], c.count);
        for (size_t j = 0; j < c.count; ++j) {
            EXPECT_EQ(TextAt(reply, 14 + 36 * j, 36), "share" + std::to_string(c.page * 20 + j));
        }
    }
}

TEST(ReplyBuilder, LongestShareNameKeepsItsTerminator) {
    DeviceState device = FullWidthDevice();
    device.shares = {std::string(35, 's'), "next"};
    Datagram reply = BuildShareListReply(device, 0);
    EXPECT_EQ(TextAt(reply, 14, 36), std::string(35, 's'));
    EXPECT_EQ(TextAt(reply, 50, 36), "next");
}

TEST(ReplyBuilder, UsbEntriesHoldTheirFieldsAtEntryOffsets) {
    DeviceState device = FullWidthDevice();
    device.usb = {{"Public", "USB1_DISK1", "FAT32", 7631, 35},
                  {"Media", "SIXTEEN-CHAR-ID!", "NTFS", 3000000000u, -1}};
    Datagram reply = BuildUsbInfoReply(device);
    ASSERT_EQ(reply.size(), 13u + 2 * 68);
    EXPECT_EQ(reply[12], 2);
    EXPECT_EQ(TextAt(reply, 13, 36), "Public");
    EXPECT_EQ(TextAt(reply, 13 + 36, 16), "USB1_DISK1");
    EXPECT_EQ(TextAt(reply, 13 + 52, 10), "FAT32");
    EXPECT_EQ(ReadU32(&reply[13 + 62]), 7631u);
    EXPECT_EQ(ReadU16(&reply[13 + 66]), 35);
    size_t second = 13 + 68;
    EXPECT_EQ(TextAt(reply, second, 36), "Media");
    EXPECT_EQ(TextAt(reply, second + 36, 16), "SIXTEEN-CHAR-ID!");
    EXPECT_EQ(TextAt(reply, second + 52, 10), "NTFS");
    EXPECT_EQ(ReadU32(&reply[second + 62]), 3000000000u);
    EXPECT_EQ(ReadU16(&reply[second + 66]), 0xffff);
}

TEST(ReplyBuilder, StatusReplyIsABareHeaderWithTheStatus) {
    Datagram reply = BuildStatusReply(FullWidthDevice(), CMD_SET_NETWORK_INFO, 2);
    ASSERT_EQ(reply.size(), 12u);
    EXPECT_EQ(ReadU16(&reply[0]), CMD_SET_NETWORK_INFO);
    EXPECT_EQ(ReadU16(&reply[2]), 2);
    EXPECT_EQ(ReadU16(&reply[4]), 0);
}

}  // namespace
}  // namespace zerin::devsim
