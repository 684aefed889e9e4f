// The administrator verification exchange over the scripted sockets layer.
#include "protocol/administrator_verification.h"

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

const MacAddress kMac{0x02, 0x5a, 0x00, 0x00, 0x00, 0x11};

class AdministratorVerificationTest : public ::testing::Test {
  protected:
    VerificationResult Verify(const std::string& name = "admin",
                              const std::string& password = "secret") {
        return VerifyAdministrator(sockets, reporter, kMac, name, password);
    }
    Bytes Payload() const {
        return Bytes(sockets.sent.at(0).begin() + 12, sockets.sent.at(0).end());
    }

    testing::ScriptedSocketLayer sockets;
    testing::RecordingReporter reporter;
};

TEST_F(AdministratorVerificationTest, FiveCharacterNameAndEmptyPasswordMakeA44ByteRequest) {
    Verify("admin", "");
    Bytes expected = PacketBuilder(CMD_VERIFY, 44).U16(4, 32).Mac(kMac).Text(12, "admin");
    EXPECT_THAT(sockets.sent, ElementsAre(expected));
    EXPECT_EQ(Bytes(expected.begin(), expected.begin() + 12),
              Bytes({21, 0, 0, 0, 32, 0, 0x02, 0x5a, 0, 0, 0, 0x11}));
    EXPECT_THAT(sockets.calls, ElementsAre("Startup 257", "OpenUdp 100", "SetNonBlocking 100",
                                           "EnableBroadcast 100", "SendBroadcast 100 1638",
                                           "Close 100", "Cleanup"));
}

TEST_F(AdministratorVerificationTest, FullNameAndPasswordFillTheirFieldsWithoutTerminators) {
    Verify("ABCDEFGHIJKLMNOP", "12345678");
    const Bytes payload = Payload();
    ASSERT_EQ(payload.size(), 32u);
    EXPECT_EQ(std::string(payload.begin(), payload.begin() + 24), "ABCDEFGHIJKLMNOP12345678");
    EXPECT_EQ(Bytes(payload.begin() + 24, payload.end()), Bytes(8, 0));
}

TEST_F(AdministratorVerificationTest, PasswordStartsAtByte16WhateverTheNameAndLongTextsAreCut) {
    Verify("ABCDEFGHIJKLMNOPQ", "123456789");
    EXPECT_EQ(Payload(),
              PacketBuilder(0, 32).Text(0, "ABCDEFGHIJKLMNOP").Text(16, "12345678").Build());
    sockets.sent.clear();
    Verify("ab", "pw");
    EXPECT_EQ(Payload(), PacketBuilder(0, 32).Text(0, "ab").Text(16, "pw").Build());
}

TEST_F(AdministratorVerificationTest, UnansweredRequestPolls21TimesWaits20AndIsNotAccepted) {
    const VerificationResult result = Verify();
    EXPECT_EQ(result.verification, Verification::kNotAccepted);
    EXPECT_FALSE(result.reply);
    EXPECT_EQ(sockets.receiveAttempts, 21);
    EXPECT_EQ(sockets.waits, std::vector<int>(20, 200));
    EXPECT_THAT(sockets.sleeps, IsEmpty());
    EXPECT_THAT(reporter.messages, IsEmpty());
}

TEST_F(AdministratorVerificationTest, AnAcceptanceAtTheLastPollStillCounts) {
    sockets.DeliverAt(21, PacketBuilder(CMD_VERIFY, 12));
    EXPECT_EQ(Verify().verification, Verification::kAccepted);
    EXPECT_EQ(sockets.waits.size(), 20u);
}

TEST_F(AdministratorVerificationTest, OnlyTheFirstDatagramDecides) {
    struct Case {
        const char* what;
        std::vector<Bytes> datagrams;
        Verification verification;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"status 0", {PacketBuilder(CMD_VERIFY, 12)}, Verification::kAccepted, {}},
        {"status 1",
         {PacketBuilder(CMD_VERIFY, 12).Status(1)},
         Verification::kNotAccepted,
         {"Verify failed!"}},
        {"another command first",
         {PacketBuilder(CMD_SET_NETWORK_INFO, 12), PacketBuilder(CMD_VERIFY, 12)},
         Verification::kNotAccepted,
         {}},
        {"a datagram too short for a header",
         {PacketBuilder(CMD_VERIFY, 3), PacketBuilder(CMD_VERIFY, 12)},
         Verification::kNotAccepted,
         {}},
    };
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer layer;
        testing::RecordingReporter messages;
        for (const Bytes& datagram : c.datagrams) {
            layer.DeliverAt(4, datagram);
        }
        const VerificationResult result =
            VerifyAdministrator(layer, messages, kMac, "admin", "secret");
        EXPECT_EQ(result.verification, c.verification) << c.what;
        EXPECT_EQ(messages.messages, c.messages) << c.what;
        EXPECT_EQ(layer.receiveAttempts, 4) << c.what;
    }
}

TEST_F(AdministratorVerificationTest, TheResultCarriesTheReplyHeader) {
    sockets.Deliver(PacketBuilder(CMD_VERIFY, 20).Status(7).Mac(kMac));
    const VerificationResult result = Verify();
    ASSERT_TRUE(result.reply);
    EXPECT_EQ(result.reply->command, CMD_VERIFY);
    EXPECT_EQ(result.reply->status, 7);
    EXPECT_EQ(result.reply->mac, kMac);
}

// The password goes by unicast to a device in the subnet of the adapter that heard it and to one
// found through a target; by broadcast only where nothing else reaches the device.
TEST(VerificationAddressTest, UnicastWhereTheDeviceCanBeReached) {
    const NetworkAdapter eth0{"eth0", 0xc6336401, 24, 2};  // 198.51.100.1/24
    struct Case {
        const char* ip;
        std::optional<NetworkAdapter> adapter;
        std::optional<Ipv4Address> via;
        const char* sentTo;
    };
    const Case cases[] = {
        {"198.51.100.11", eth0, std::nullopt, "SendTo 100 198.51.100.11 1638"},
        {"192.0.2.51", eth0, std::nullopt, "SendBroadcast 100 1638"},
        {"198.51.100.255", eth0, std::nullopt, "SendBroadcast 100 1638"},
        {"", eth0, std::nullopt, "SendBroadcast 100 1638"},
        {"198.51.100.11", std::nullopt, std::nullopt, "SendBroadcast 100 1638"},
        {"192.0.2.51", std::nullopt, 0xcb007107, "SendTo 100 203.0.113.7 1638"},
    };
    for (const Case& c : cases) {
        DeviceRecord device;
        std::copy_n(c.ip, std::char_traits<char>::length(c.ip), device.ipAddress);
        device.adapter = c.adapter;
        device.via = c.via;
        testing::ScriptedSocketLayer sockets;
        testing::RecordingReporter reporter;
        VerifyAdministrator(sockets, reporter, kMac, "admin", "secret",
                            ForVerification(TowardsDevice(device), device));
        const auto sends =
            std::count_if(sockets.calls.begin(), sockets.calls.end(),
                          [](const std::string& call) { return call.rfind("Send", 0) == 0; });
        EXPECT_EQ(sends, 1) << c.ip;
        EXPECT_NE(std::find(sockets.calls.begin(), sockets.calls.end(), c.sentTo),
                  sockets.calls.end())
            << c.ip;
    }
}

}  // namespace
}  // namespace zerin
