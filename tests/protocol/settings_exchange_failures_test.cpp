// The network failures of the verification and the two settings updates, which share their
// handling: the same messages, and a result that tells whether the request went out.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "protocol/administrator_verification.h"
#include "protocol/device_settings_update.h"
#include "protocol/network_settings_update.h"
#include "tests/support/packet_builder.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_socket_layer.h"

namespace zerin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::PacketBuilder;

const MacAddress kMac{0x02, 0x5a, 0x00, 0x00, 0x00, 0x10};

struct SettingsExchange {
    const char* name;
    uint16_t command;
    // Runs the exchange; true when it says that nothing was sent.
    std::function<bool(SocketLayer&, Reporter&)> run;
};

const SettingsExchange kExchanges[] = {
    {"verify", CMD_VERIFY,
     [](SocketLayer& s, Reporter& r) {
         return VerifyAdministrator(s, r, kMac, "admin", "pw").verification ==
                Verification::kNotSent;
     }},
    {"device settings", CMD_SET_DEVICE_INFO,
     [](SocketLayer& s, Reporter& r) { return SetDeviceInfo(s, r, kMac, "ABC", {}).code == 1; }},
    {"network settings", CMD_SET_NETWORK_INFO,
     [](SocketLayer& s, Reporter& r) { return SetNetworkInfo(s, r, kMac, {}).code == 1; }},
};

TEST(SettingsExchangeFailuresTest, StartFailureReportsItsErrorAndSendsNothing) {
    for (const SettingsExchange& exchange : kExchanges) {
        testing::ScriptedSocketLayer sockets;
        testing::RecordingReporter reporter;
        sockets.startupError = 10091;
        EXPECT_TRUE(exchange.run(sockets, reporter)) << exchange.name;
        EXPECT_THAT(reporter.messages,
                    ElementsAre("Network communication failed with error 10091\n"))
            << exchange.name;
        EXPECT_THAT(sockets.calls, ElementsAre("Startup 257")) << exchange.name;
    }
}

TEST(SettingsExchangeFailuresTest, SocketFailureReports0SendsNothingAndReleasesTheLayer) {
    for (const SettingsExchange& exchange : kExchanges) {
        testing::ScriptedSocketLayer sockets;
        testing::RecordingReporter reporter;
        sockets.failUdp = true;
        EXPECT_TRUE(exchange.run(sockets, reporter)) << exchange.name;
        EXPECT_THAT(reporter.messages, ElementsAre("Network communication failed with error 0\n"))
            << exchange.name;
        EXPECT_THAT(sockets.calls, ElementsAre("Startup 257", "OpenUdp failed", "Cleanup"))
            << exchange.name;
    }
}

TEST(SettingsExchangeFailuresTest, BroadcastOptionFailureReportsMinus1AndStillSends) {
    for (const SettingsExchange& exchange : kExchanges) {
        testing::ScriptedSocketLayer sockets;
        testing::RecordingReporter reporter;
        sockets.failBroadcast = true;
        sockets.Deliver(PacketBuilder(exchange.command, 12));
        EXPECT_FALSE(exchange.run(sockets, reporter)) << exchange.name;
        EXPECT_THAT(reporter.messages, ElementsAre("Network communication failed with error -1\n"))
            << exchange.name;
        EXPECT_EQ(sockets.sent.size(), 1u) << exchange.name;
    }
}

TEST(SettingsExchangeFailuresTest, CleanupFailureIsReportedLastAndTheResultStands) {
    const std::vector<std::string> messages[] = {
        {"Verify failed!", "WSACleanup failed with error 5\n"},
        {"WSACleanup failed with error 5\n"},
        {"Set network info failed!", "WSACleanup failed with error 5\n"},
    };
    for (size_t i = 0; i < std::size(kExchanges); ++i) {
        testing::ScriptedSocketLayer sockets;
        testing::RecordingReporter reporter;
        sockets.failCleanup = true;
        sockets.lastError = 5;
        sockets.Deliver(PacketBuilder(kExchanges[i].command, 12).Status(1));
        EXPECT_FALSE(kExchanges[i].run(sockets, reporter)) << kExchanges[i].name;
        EXPECT_EQ(reporter.messages, messages[i]) << kExchanges[i].name;
        EXPECT_THAT(sockets.openSockets, IsEmpty()) << kExchanges[i].name;
    }
}

}  // namespace
}  // namespace zerin
