// The search exchange over the scripted sockets layer.
#include "protocol/device_search.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/packet_builder.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_socket_layer.h"

namespace zerin {
namespace {

using testing::Bytes;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::PacketBuilder;

const MacAddress kMac{0x00, 0x1d, 0x2a, 0x10, 0x20, 0x30};

PacketBuilder SearchReply(const std::string& name, const std::string& ip, size_t length = 50,
                          const MacAddress& mac = kMac) {
    return PacketBuilder(CMD_SEARCH, length)
        .Mac(mac)
        .Text(12, "0101")
        .Text(16, name)
        .Text(32, ip)
        .U8(48, 0x34)
        .U8(49, 0x12);
}

class DeviceSearchTest : public ::testing::Test {
  protected:
    void Search() {
        SearchDevices(sockets, reporter,
                      [this](std::unique_ptr<DeviceRecord> r) { found.push_back(std::move(r)); });
    }
    std::vector<std::string> FoundNames() const {
        std::vector<std::string> names;
        for (const auto& record : found) {
            names.push_back(record->name);
        }
        return names;
    }

    testing::ScriptedSocketLayer sockets;
    testing::RecordingReporter reporter;
    DeviceArray found;
};

TEST_F(DeviceSearchTest, SendsTwelveZeroBytesAfterOpeningAndClosingTheListener) {
    Search();
    EXPECT_THAT(sockets.calls,
                ElementsAre("Startup 514", "OpenUdp 100", "SetNonBlocking 100", "OpenTcp 101",
                            "BindAny 101 1638", "Listen 101 5", "Close 101", "EnableBroadcast 100",
                            "SetReceiveBuffer 100 1048576", "SendBroadcast 100 1638", "Close 100",
                            "Cleanup"));
    EXPECT_THAT(sockets.sent, ElementsAre(Bytes(12, 0)));
    EXPECT_THAT(reporter.messages, IsEmpty());
}

TEST_F(DeviceSearchTest, WithNoAnswerPollsTwentyOneTimesAndSleepsTwentyTimes) {
    Search();
    EXPECT_EQ(sockets.receiveAttempts, 21);
    EXPECT_EQ(sockets.sleeps, std::vector<int>(20, 100));
    EXPECT_THAT(sockets.waits, IsEmpty());
    EXPECT_THAT(found, IsEmpty());
}

TEST_F(DeviceSearchTest, DatagramsNeitherCountAsEmptyPollsNorSleep) {
    for (int i = 0; i < 5; ++i) {
        sockets.DeliverAt(7, SearchReply("dev" + std::to_string(i), "198.51.100.9"));
    }
    sockets.DeliverAt(20, PacketBuilder(CMD_GET_USB_INFO, 60));  // ignored, still not counted
    Search();
    EXPECT_EQ(sockets.receiveAttempts, 21 + 5 + 1);
    EXPECT_EQ(sockets.sleeps.size(), 20u);
    EXPECT_THAT(FoundNames(), ElementsAre("dev0", "dev1", "dev2", "dev3", "dev4"));
}

TEST_F(DeviceSearchTest, CopiesEveryFieldOfAValidReply) {
    sockets.Deliver(SearchReply("ABCDEFGHIJKLMNOP", "198.51.100.200")
                        .Text(32, "198.51.100.2001")  // 15 characters, no terminator
                        .U8(47, 'X'));
    Search();
    ASSERT_EQ(found.size(), 1u);
    const DeviceRecord& record = *found[0];
    EXPECT_STREQ(record.name, "ABCDEFGHIJKLMNOP");
    EXPECT_STREQ(record.ipAddress, "198.51.100.2001");
    EXPECT_STREQ(record.productCode, "0101");
    EXPECT_EQ(record.macAddress, kMac);
    EXPECT_EQ(record.searchWord, 0x1234);
    EXPECT_STREQ(record.description, "");
    EXPECT_EQ(record.passwordFlag, 0);
    EXPECT_FALSE(record.shareList.has_value());
}

TEST_F(DeviceSearchTest, AcceptsOnlySearchRepliesOfTheProductWithAllTheirFields) {
    struct Case {
        const char* what;
        Bytes datagram;
        bool accepted;
        uint16_t searchWord;
    };
    const Case cases[] = {
        {"valid", SearchReply("a", "198.51.100.5"), true, 0x1234},
        {"other command", PacketBuilder(CMD_GET_DEVICE_INFO, 50).Text(12, "0101"), false, 0},
        {"command byte 1 set", PacketBuilder(0x0100, 50).Text(12, "0101"), false, 0},
        {"other product", SearchReply("a", "1.2.3.4").Text(12, "0102"), false, 0},
        {"46 bytes", SearchReply("a", "1.2.3.4", 46), false, 0},
        {"47 bytes", SearchReply("a", "1.2.3.4", 47), true, 0},
        {"49 bytes", SearchReply("a", "1.2.3.4", 49), true, 0},
    };
    for (const Case& c : cases) {
        auto record = ParseSearchReply(c.datagram.data(), c.datagram.size());
        EXPECT_EQ(record != nullptr, c.accepted) << c.what;
        if (record) {
            EXPECT_EQ(record->searchWord, c.searchWord) << c.what;
        }
    }
}

TEST_F(DeviceSearchTest, KeepsEveryAnswerEvenFromTheSameDevice) {
    sockets.Deliver(SearchReply("twice", "198.51.100.5"));
    sockets.Deliver(SearchReply("twice", "198.51.100.5"));
    Search();
    EXPECT_THAT(FoundNames(), ElementsAre("twice", "twice"));
}

TEST_F(DeviceSearchTest, StartFailureReportsTheResultAndOpensNothing) {
    sockets.startupError = 10091;
    Search();
    EXPECT_THAT(reporter.messages, ElementsAre("Network communication failed with error 10091\n"));
    EXPECT_THAT(sockets.calls, ElementsAre("Startup 514"));
    EXPECT_THAT(sockets.sent, IsEmpty());
}

TEST_F(DeviceSearchTest, UdpSocketFailureReportsZeroAndReleasesTheLayer) {
    sockets.failUdp = true;
    Search();
    EXPECT_THAT(reporter.messages, ElementsAre("Network communication failed with error 0\n"));
    EXPECT_THAT(sockets.calls, ElementsAre("Startup 514", "OpenUdp failed", "Cleanup"));
}

TEST_F(DeviceSearchTest, TcpSocketFailureClosesTheUdpSocketAndReleasesTheLayer) {
    sockets.failTcp = true;
    Search();
    EXPECT_THAT(reporter.messages, ElementsAre("Creating Server socket failed!\n"));
    EXPECT_THAT(sockets.openSockets, IsEmpty());
    EXPECT_EQ(sockets.cleanups, 1);
    EXPECT_THAT(sockets.sent, IsEmpty());
}

TEST_F(DeviceSearchTest, BroadcastOptionFailureReportsMinusOneAndStillSearches) {
    sockets.failBroadcast = true;
    sockets.Deliver(SearchReply("still", "198.51.100.5"));
    Search();
    EXPECT_THAT(reporter.messages, ElementsAre("Network communication failed with error -1\n"));
    EXPECT_THAT(FoundNames(), ElementsAre("still"));
}

TEST_F(DeviceSearchTest, CleanupFailureReportsTheLastErrorAfterTheDevicesAreAdded) {
    sockets.failCleanup = true;
    sockets.lastError = 10093;
    sockets.Deliver(SearchReply("kept", "198.51.100.5"));
    Search();
    EXPECT_THAT(reporter.messages, ElementsAre("WSACleanup failed with error 10093\n"));
    EXPECT_THAT(FoundNames(), ElementsAre("kept"));
}

const std::vector<NetworkAdapter> kAdapters{{"eth0", 0xc6336401, 24, 2},   // 198.51.100.1/24
                                            {"tun0", 0xcb007101, 32, 3}};  // 203.0.113.1/32

MacAddress Mac(uint8_t last) {
    return {0x02, 0x5a, 0, 0, 0, last};
}

// The name of each device handed on, with the adapter its record names.
using Heard = std::vector<std::pair<std::string, std::string>>;

AddDeviceCallback Into(Heard& heard) {
    return [&heard](std::unique_ptr<DeviceRecord> record) {
        heard.emplace_back(record->name, record->adapter ? record->adapter->name : "none");
    };
}

// The window's search: the listening socket as always, then the request through each adapter in
// the window of 20 sleeps; without adapters the one unbound broadcast. Each device listed once.
TEST(WindowSearchTest, ThroughEveryAdapterOrUnboundEachDeviceOnce) {
    struct Case {
        std::vector<NetworkAdapter> adapters;
        size_t requests;
        Heard heard;
    };
    const Case cases[] = {
        {kAdapters, 3, {{"FIRST", "eth0"}, {"SECOND", "eth0"}}},
        {{}, 1, {{"FIRST", "none"}, {"SECOND", "none"}}},
    };
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer sockets;
        testing::RecordingReporter reporter;
        for (const uint8_t last : {1, 2, 1, 2}) {
            sockets.DeliverAt(
                1, SearchReply(last == 1 ? "FIRST" : "SECOND", "198.51.100.9", 50, Mac(last)));
        }
        Heard heard;
        SearchDevices(sockets, reporter, c.adapters, Into(heard));
        EXPECT_EQ(heard, c.heard);
        EXPECT_EQ(sockets.sent.size(), c.requests);
        EXPECT_EQ(
            std::count_if(sockets.calls.begin(), sockets.calls.end(),
                          [](const std::string& call) { return call.rfind("Listen ", 0) == 0; }),
            1);
        EXPECT_EQ(sockets.sleeps, std::vector<int>(20, 100));
        EXPECT_THAT(reporter.messages, IsEmpty());
    }
}

}  // namespace
}  // namespace zerin
