// The network settings update exchange over the scripted sockets layer.
#include "protocol/network_settings_update.h"

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

const MacAddress kMac{0x02, 0x5a, 0x00, 0x00, 0x00, 0x10};

NetworkSettings StaticExample() {
    return {0, "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2", "0.0.0.0"};
}

class NetworkSettingsUpdateTest : public ::testing::Test {
  protected:
    SettingsUpdateResult Set(const NetworkSettings& settings) {
        return SetNetworkInfo(sockets, reporter, kMac, settings);
    }

    testing::ScriptedSocketLayer sockets;
    testing::RecordingReporter reporter;
};

TEST_F(NetworkSettingsUpdateTest, WritesTheProtocolAndTheFiveAddressesAtTheirOffsets) {
    Set(StaticExample());
    const Bytes expected = PacketBuilder(CMD_SET_NETWORK_INFO, 88)
                               .U16(4, 76)
                               .Mac(kMac)
                               .Text(13, "10.0.0.5")
                               .Text(28, "255.0.0.0")
                               .Text(43, "10.0.0.1")
                               .Text(58, "10.0.0.2")
                               .Text(73, "0.0.0.0");
    EXPECT_THAT(sockets.sent, ElementsAre(expected));
    EXPECT_EQ(Bytes(expected.begin(), expected.begin() + 6), Bytes({19, 0, 0, 0, 76, 0}));
    EXPECT_THAT(sockets.calls, ElementsAre("Startup 257", "OpenUdp 100", "SetNonBlocking 100",
                                           "EnableBroadcast 100", "SendBroadcast 100 1638",
                                           "Close 100", "Cleanup"));
}

TEST_F(NetworkSettingsUpdateTest, FullAddressesFillTheirFieldsBackToBack) {
    const std::string full = "192.168.100.200";
    Set({1, full, full, full, full, full + "9"});
    const Bytes& sent = sockets.sent.at(0);
    ASSERT_EQ(sent.size(), 88u);
    EXPECT_EQ(sent[12], 1);
    EXPECT_EQ(std::string(sent.begin() + 13, sent.end()), full + full + full + full + full);
}

TEST_F(NetworkSettingsUpdateTest, NoProtocolChosenIsSentAs255) {
    NetworkSettings settings = StaticExample();
    settings.protocolIndex = -1;
    Set(settings);
    EXPECT_EQ(sockets.sent.at(0).at(12), 255);
}

TEST_F(NetworkSettingsUpdateTest, OnlyARefusalOfThisCommandIsReportedAndTheResultStays0) {
    struct Case {
        const char* what;
        std::vector<Bytes> datagrams;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"status 2",
         {PacketBuilder(CMD_SET_NETWORK_INFO, 12).Status(2)},
         {"Set network info failed!"}},
        {"status 0", {PacketBuilder(CMD_SET_NETWORK_INFO, 12)}, {}},
        {"another command with status 2 first",
         {PacketBuilder(CMD_VERIFY, 12).Status(2),
          PacketBuilder(CMD_SET_NETWORK_INFO, 12).Status(2)},
         {}},
        {"no answer", {}, {}},
    };
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer layer;
        testing::RecordingReporter messages;
        for (const Bytes& datagram : c.datagrams) {
            layer.DeliverAt(1, datagram);
        }
        const SettingsUpdateResult result = SetNetworkInfo(layer, messages, kMac, StaticExample());
        EXPECT_EQ(result.code, 0) << c.what;
        EXPECT_EQ(messages.messages, c.messages) << c.what;
        EXPECT_EQ(layer.receiveAttempts, c.datagrams.empty() ? 201 : 1) << c.what;
    }
}

TEST_F(NetworkSettingsUpdateTest, SilentDevicePolls201TimesAndWaits200) {
    EXPECT_EQ(Set(StaticExample()).code, 0);
    EXPECT_EQ(sockets.receiveAttempts, 201);
    EXPECT_EQ(sockets.waits, std::vector<int>(200, 100));
    EXPECT_THAT(sockets.sleeps, IsEmpty());
}

}  // namespace
}  // namespace zerin
