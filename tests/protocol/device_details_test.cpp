// The detail queries over the scripted sockets layer.
#include "protocol/device_details.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "tests/support/device_replies.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_socket_layer.h"

namespace zerin {
namespace {

using testing::Bytes;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::PacketBuilder;
using testing::ShareCountReply;
using testing::SharePageReply;
using testing::Usb;
using testing::UsbInfoReply;

const MacAddress kMac{0x02, 0x5a, 0x00, 0x00, 0x00, 0x10};

// The replied device: the shared test device, with DHCP, verification and full DNS fields.
testing::DeviceState ReportedDevice() {
    testing::DeviceState device;
    device.passwordFlag = 1;
    device.ipStatus = 1;
    device.dns1 = "198.51.100.253";
    device.dns2 = "192.168.100.200";
    return device;
}

Bytes DeviceInfoReply(size_t length = 116) {
    Bytes reply = testing::DeviceInfoReply(ReportedDevice());
    reply.resize(length);
    return reply;
}

Bytes NetworkInfoReply(size_t length = 88) {
    Bytes reply = testing::NetworkInfoReply(ReportedDevice());
    reply.resize(length);
    return reply;
}

std::vector<std::string> Names(int first, int count) {
    std::vector<std::string> names;
    for (int i = first; i < first + count; ++i) {
        names.push_back("share" + std::to_string(i));
    }
    return names;
}

// Answers every request at once as a device with `shareCount` shares named share0, share1, ...
// Replies set in `overrides` (by command) replace the device's own.
struct FakeDevice {
    explicit FakeDevice(int16_t shares = 0) : shareCount(shares) {}

    int16_t shareCount;
    std::map<uint16_t, Bytes> overrides;

    Bytes Answer(const Bytes& request) const {
        const uint16_t command = ReadU16(request.data());
        if (overrides.count(command)) {
            return overrides.at(command);
        }
        switch (command) {
            case CMD_GET_DEVICE_INFO:
                return DeviceInfoReply();
            case CMD_GET_NETWORK_INFO:
                return NetworkInfoReply();
            case CMD_GET_SHARE_COUNT:
                return ShareCountReply(shareCount);
            case CMD_GET_SHARE_LIST: {
                const int first = request[12] * 20;
                return SharePageReply(request[12], Names(first, std::min(20, shareCount - first)));
            }
            default:
                return UsbInfoReply(ReportedDevice().usb);
        }
    }
};

class DeviceDetailsTest : public ::testing::Test {
  protected:
    DeviceDetailsTest() { record.macAddress = kMac; }

    void Answer(const FakeDevice& device) {
        sockets.onSend = [this, device](const Bytes& request) {
            sockets.Deliver(device.Answer(request));
        };
    }
    DeviceDetails Query() { return QueryDeviceDetails(sockets, reporter, record); }

    std::vector<uint16_t> SentCommands() const {
        std::vector<uint16_t> commands;
        for (const Bytes& request : sockets.sent) {
            commands.push_back(ReadU16(request.data()));
        }
        return commands;
    }
    std::vector<int> RequestedPages() const {
        std::vector<int> pages;
        for (const Bytes& request : sockets.sent) {
            if (ReadU16(request.data()) == CMD_GET_SHARE_LIST) {
                pages.push_back(request.at(12));
            }
        }
        return pages;
    }
    std::vector<std::string> ShareNames() const {
        std::vector<std::string> names;
        for (const ShareNameEntry& entry : record.shareList.value()) {
            names.push_back(entry.Name());
        }
        return names;
    }

    testing::ScriptedSocketLayer sockets;
    testing::RecordingReporter reporter;
    DeviceRecord record;
};

TEST_F(DeviceDetailsTest, SendsTheFiveRequestsInOrderOnOneSocketAddressedByMac) {
    Answer(FakeDevice(3));
    Query();
    auto request = [](uint16_t command) -> Bytes { return PacketBuilder(command, 12).Mac(kMac); };
    const Bytes page0 = PacketBuilder(CMD_GET_SHARE_LIST, 13).U16(4, 1).Mac(kMac);
    EXPECT_THAT(sockets.sent,
                ElementsAre(request(CMD_GET_DEVICE_INFO), request(CMD_GET_NETWORK_INFO),
                            request(CMD_GET_SHARE_COUNT), page0, request(CMD_GET_USB_INFO)));
    EXPECT_EQ(sockets.sent[0], Bytes({16, 0, 0, 0, 0, 0, 0x02, 0x5a, 0, 0, 0, 0x10}));
    EXPECT_EQ(page0, Bytes({33, 0, 0, 0, 1, 0, 0x02, 0x5a, 0, 0, 0, 0x10, 0}));
    EXPECT_THAT(
        sockets.calls,
        ElementsAre("Startup 514", "OpenUdp 100", "SetNonBlocking 100", "EnableBroadcast 100",
                    "SendBroadcast 100 1638", "SendBroadcast 100 1638", "SendBroadcast 100 1638",
                    "SendBroadcast 100 1638", "SendBroadcast 100 1638", "Close 100", "Cleanup"));
    EXPECT_EQ(sockets.receiveAttempts, 5);
    EXPECT_THAT(sockets.waits, IsEmpty());
}

TEST_F(DeviceDetailsTest, CopiesEveryMatchingReplyIntoTheRecordAndShowsIt) {
    Answer(FakeDevice(3));
    const DeviceDetails details = Query();
    EXPECT_STREQ(record.productCode, "0101");
    EXPECT_STREQ(record.firmwareVersion, "0107");
    EXPECT_EQ(record.passwordFlag, 1);
    EXPECT_STREQ(record.description, "Office storage");
    EXPECT_STREQ(record.deviceDate, "20240115");
    EXPECT_STREQ(record.deviceTime, "093005");
    EXPECT_EQ(record.timeZoneIndex, 56);
    EXPECT_EQ(record.ipStatus, 1);
    EXPECT_STREQ(record.ipAddress, "198.51.100.10");
    EXPECT_STREQ(record.subnetMask, "255.255.255.0");
    EXPECT_STREQ(record.defaultGateway, "198.51.100.1");
    EXPECT_STREQ(record.primaryDns, "198.51.100.253");
    EXPECT_STREQ(record.secondaryDns, "192.168.100.200");
    EXPECT_STREQ(record.name, "");  // the device information reply's name is not read
    EXPECT_EQ(record.shareCount, 3);
    EXPECT_THAT(ShareNames(), ElementsAre("share0", "share1", "share2"));

    EXPECT_TRUE(details.opened);
    EXPECT_EQ(details.texts.firmwareVersion, "V01R07");
    EXPECT_EQ(details.texts.ipAddress, "198.51.100.10");
    EXPECT_EQ(details.texts.macAddress, "02:5a:00:00:00:10");
    EXPECT_EQ(details.texts.description, "Office storage");
    EXPECT_EQ(details.texts.ipStatus, "DHCP");
    ASSERT_EQ(details.usbRows.size(), 2u);
    EXPECT_EQ(details.usbRows[0].shareName, "Public");
    EXPECT_EQ(details.usbRows[0].deviceId, "USB1_DISK1");
    EXPECT_EQ(details.usbRows[0].fileSystem, "FAT32");
    EXPECT_EQ(details.usbRows[0].totalSize, "15258");
    EXPECT_EQ(details.usbRows[0].freeSpace, "63%");
    EXPECT_EQ(details.usbRows[1].shareName, "Scans");
    EXPECT_THAT(reporter.messages, IsEmpty());
}

TEST_F(DeviceDetailsTest, UnansweredRequestsWaitTheirLimitEachAndTheRunGoesOn) {
    const DeviceDetails details = Query();
    EXPECT_THAT(SentCommands(), ElementsAre(CMD_GET_DEVICE_INFO, CMD_GET_NETWORK_INFO,
                                            CMD_GET_SHARE_COUNT, CMD_GET_USB_INFO));
    EXPECT_EQ(sockets.receiveAttempts, 4 * 201);
    EXPECT_EQ(sockets.waits, std::vector<int>(4 * 200, 100));
    EXPECT_THAT(sockets.sleeps, IsEmpty());
    EXPECT_TRUE(details.opened);
    EXPECT_EQ(details.texts.firmwareVersion, "V");
    EXPECT_EQ(details.texts.ipStatus, "Static ip");
    EXPECT_THAT(details.usbRows, IsEmpty());
    EXPECT_THAT(reporter.messages, IsEmpty());
}

TEST_F(DeviceDetailsTest, StoppingAtTheFirstSilenceKeepsWhatArrivedAndNamesTheRequest) {
    FakeDevice device(3);
    sockets.onSend = [&](const Bytes& request) {
        if (ReadU16(request.data()) == CMD_GET_DEVICE_INFO) {
            sockets.Deliver(device.Answer(request));
        }
    };
    const DeviceDetails details = QueryDeviceDetails(
        sockets, reporter, record, {3000, /*stopWhenUnanswered=*/true, std::nullopt});
    EXPECT_THAT(SentCommands(), ElementsAre(CMD_GET_DEVICE_INFO, CMD_GET_NETWORK_INFO));
    EXPECT_EQ(sockets.waits, std::vector<int>(30, 100));
    EXPECT_EQ(details.unanswered, CMD_GET_NETWORK_INFO);
    EXPECT_TRUE(details.opened);
    EXPECT_EQ(details.texts.firmwareVersion, "V01R07");
    EXPECT_THAT(details.usbRows, IsEmpty());
}

TEST_F(DeviceDetailsTest, AStrayDatagramEndsTheWaitWithNothingTaken) {
    FakeDevice device(3);
    // The device information request is answered by a late USB reply, which ends its wait;
    // the network information request then reads its own reply.
    device.overrides[CMD_GET_DEVICE_INFO] = UsbInfoReply({{"Stray", "X", "FAT", 1, 1}});
    Answer(device);
    const DeviceDetails details = Query();
    EXPECT_STREQ(record.description, "");
    EXPECT_STREQ(record.firmwareVersion, "");
    EXPECT_STREQ(record.ipAddress, "198.51.100.10");
    EXPECT_EQ(details.usbRows.size(), 2u);
    EXPECT_EQ(details.usbRows[0].shareName, "Public");
    EXPECT_EQ(sockets.receiveAttempts, 5);
}

TEST_F(DeviceDetailsTest, AskForPagesByTheShareCount) {
    struct Case {
        int16_t shareCount;
        std::vector<int> pages;
        size_t names;
    };
    const Case cases[] = {
        {3, {0}, 3},         {19, {0}, 19}, {20, {0, 1}, 20}, {21, {0, 1}, 21},
        {40, {0, 1, 2}, 40}, {0, {}, 0},    {-1, {}, 0},      {-20, {}, 0},
    };
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer layer;
        DeviceRecord device;
        const FakeDevice fake(c.shareCount);
        layer.onSend = [&](const Bytes& request) { layer.Deliver(fake.Answer(request)); };
        QueryDeviceDetails(layer, reporter, device);
        std::vector<int> pages;
        for (const Bytes& request : layer.sent) {
            if (ReadU16(request.data()) == CMD_GET_SHARE_LIST) {
                pages.push_back(request.at(12));
            }
        }
        EXPECT_EQ(pages, c.pages) << "share count " << c.shareCount;
        ASSERT_TRUE(device.shareList.has_value()) << "share count " << c.shareCount;
        EXPECT_EQ(device.shareList->size(), c.names) << "share count " << c.shareCount;
    }
}

TEST_F(DeviceDetailsTest, PagesStopAtTheLastOneAByteCanName) {
    Answer(FakeDevice(32767));
    Query();
    const std::vector<int> pages = RequestedPages();
    ASSERT_EQ(pages.size(), 256u);
    EXPECT_EQ(pages.front(), 0);
    EXPECT_EQ(pages.back(), 255);
}

TEST_F(DeviceDetailsTest, AReplyForAnotherPageAddsNothingAndTheNextPageIsStillAsked) {
    FakeDevice device(25);
    device.overrides[CMD_GET_SHARE_LIST] = SharePageReply(0, Names(0, 20));
    Answer(device);
    Query();
    EXPECT_THAT(RequestedPages(), ElementsAre(0, 1));
    EXPECT_EQ(ShareNames(), Names(0, 20));  // page 1 was answered as page 0: nothing added
}

TEST_F(DeviceDetailsTest, ANewQueryRebuildsTheShareListAndTheUsbRows) {
    Answer(FakeDevice(3));
    Query();
    FakeDevice changed(2);
    changed.overrides[CMD_GET_USB_INFO] = UsbInfoReply({});
    Answer(changed);
    const DeviceDetails details = Query();
    EXPECT_THAT(ShareNames(), ElementsAre("share0", "share1"));
    EXPECT_THAT(details.usbRows, IsEmpty());
}

TEST_F(DeviceDetailsTest, RepliesWithoutAMatchLeaveEarlierValues) {
    Answer(FakeDevice(3));
    Query();
    sockets.onSend = nullptr;  // the device falls silent
    const DeviceDetails details = Query();
    EXPECT_STREQ(record.description, "Office storage");
    EXPECT_EQ(record.shareCount, 3);
    EXPECT_THAT(RequestedPages(), ElementsAre(0, 0));  // the silent run asked for page 0 again
    EXPECT_THAT(ShareNames(), IsEmpty());
    EXPECT_EQ(details.texts.firmwareVersion, "V01R07");
    EXPECT_THAT(details.usbRows, IsEmpty());
}

TEST_F(DeviceDetailsTest, RepliesTooShortForTheirFieldsAreNotTaken) {
    struct Case {
        const char* what;
        uint16_t command;
        Bytes reply;
        bool taken;
    };
    const Case cases[] = {
        {"device info of 115 bytes", CMD_GET_DEVICE_INFO, DeviceInfoReply(115), false},
        {"device info of 116 bytes", CMD_GET_DEVICE_INFO, DeviceInfoReply(116), true},
        {"network info of 87 bytes", CMD_GET_NETWORK_INFO, NetworkInfoReply(87), false},
        {"network info of 88 bytes", CMD_GET_NETWORK_INFO, NetworkInfoReply(88), true},
        {"share count of 13 bytes", CMD_GET_SHARE_COUNT, ShareCountReply(5, 13), false},
        {"share count of 14 bytes", CMD_GET_SHARE_COUNT, ShareCountReply(5, 14), true},
        {"a bare header", CMD_GET_DEVICE_INFO, PacketBuilder(CMD_GET_DEVICE_INFO, 12), false},
        {"half a header", CMD_GET_DEVICE_INFO, PacketBuilder(CMD_GET_DEVICE_INFO, 6), false},
    };
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer layer;
        DeviceRecord device;
        FakeDevice fake;
        fake.overrides[c.command] = c.reply;
        layer.onSend = [&](const Bytes& request) { layer.Deliver(fake.Answer(request)); };
        QueryDeviceDetails(layer, reporter, device);
        const bool taken = c.command == CMD_GET_DEVICE_INFO    ? device.timeZoneIndex == 56
                           : c.command == CMD_GET_NETWORK_INFO ? device.ipStatus == 1
                                                               : device.shareCount == 5;
        EXPECT_EQ(taken, c.taken) << c.what;
        // A short reply still ends its request's wait.
        EXPECT_EQ(layer.receiveAttempts, static_cast<int>(layer.sent.size())) << c.what;
    }
}

TEST_F(DeviceDetailsTest, EntryCountsAreClampedToTheEntriesTheDatagramHolds) {
    Bytes fullPage = SharePageReply(0, Names(0, 28), 255);
    Bytes fullUsb = UsbInfoReply(std::vector<Usb>(14, {"u", "d", "f", 1, 2}), 255);
    fullPage.resize(1100, 'x');  // longer than the receive buffer: the rest is cut off
    fullUsb.resize(1100, 'x');
    struct Case {
        const char* what;
        Bytes page, usb;
        size_t names, rows;
    };
    const Case cases[] = {
        {"counts above the entries sent", SharePageReply(0, Names(0, 2), 200),
         UsbInfoReply({{"a", "1", "FAT", 1, 1}}, 255), 2, 1},
        {"full receive buffers", fullPage, fullUsb, 28, 14},
    };
    for (const Case& c : cases) {
        FakeDevice device(3);
        device.overrides[CMD_GET_SHARE_LIST] = c.page;
        device.overrides[CMD_GET_USB_INFO] = c.usb;
        Answer(device);
        const DeviceDetails details = Query();
        EXPECT_EQ(record.shareList->size(), c.names) << c.what;
        EXPECT_EQ(details.usbRows.size(), c.rows) << c.what;
    }
}

TEST_F(DeviceDetailsTest, NetworkFailuresReportAndLeaveTheRecordUnchanged) {
    struct Case {
        const char* what;
        int startupError;
        bool failUdp;
        const char* message;
    };
    const Case cases[] = {
        {"start fails", 10091, false, "Network communication failed with error 10091\n"},
        {"socket fails", 0, true, "Network communication failed with error 0\n"},
    };
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer layer;
        testing::RecordingReporter messages;
        layer.startupError = c.startupError;
        layer.failUdp = c.failUdp;
        DeviceRecord device;
        const DeviceDetails details = QueryDeviceDetails(layer, messages, device);
        EXPECT_FALSE(details.opened) << c.what;
        EXPECT_EQ(details.texts.firmwareVersion, "") << c.what;
        EXPECT_THAT(layer.sent, IsEmpty()) << c.what;
        EXPECT_FALSE(device.shareList.has_value()) << c.what;
        EXPECT_THAT(messages.messages, ElementsAre(c.message)) << c.what;
    }
}

TEST_F(DeviceDetailsTest, BroadcastOptionFailureReportsAndTheQueriesStillRun) {
    sockets.failBroadcast = true;
    Answer(FakeDevice(3));
    const DeviceDetails details = Query();
    EXPECT_THAT(reporter.messages, ElementsAre("Network communication failed with error -1\n"));
    EXPECT_TRUE(details.opened);
    EXPECT_EQ(sockets.sent.size(), 5u);
}

}  // namespace
}  // namespace zerin
