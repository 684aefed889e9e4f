// The shared request and poll loop over the scripted sockets layer.
#include "protocol/exchange.h"

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

const MacAddress kMac{0x00, 0x1d, 0x2a, 0xaa, 0xbb, 0xcc};
constexpr ExchangeTiming kVerifyLike{0x0101, 20, 200, true};

class ExchangeTest : public ::testing::Test {
  protected:
    testing::ScriptedSocketLayer sockets;
    testing::RecordingReporter reporter;
};

TEST_F(ExchangeTest, UnansweredRequestWaitsTheLimitAndGoesOn) {
    {
        Exchange exchange(sockets, reporter, kVerifyLike);
        ASSERT_TRUE(exchange.OpenForBroadcast());
        exchange.SetTarget(kMac);
        EXPECT_FALSE(exchange.Request(CMD_VERIFY));
        EXPECT_EQ(sockets.receiveAttempts, 21);
        EXPECT_EQ(sockets.waits, std::vector<int>(20, 200));
        EXPECT_FALSE(exchange.Request(CMD_GET_USB_INFO));
    }
    EXPECT_EQ(sockets.receiveAttempts, 42);
    EXPECT_THAT(sockets.sleeps, IsEmpty());
    EXPECT_EQ(sockets.sent.size(), 2u);
    EXPECT_EQ(sockets.cleanups, 1);
    EXPECT_THAT(sockets.openSockets, IsEmpty());
}

TEST_F(ExchangeTest, ACallersReplyTimeoutTakesAsManyWaitsOfTheIntervalRoundedUp) {
    struct Case {
        ExchangeTiming timing;
        int timeoutMs;
        int waits;
    };
    const Case cases[] = {{kVerifyLike, 3000, 15},
                          {{0x0202, 200, 100, true}, 3000, 30},
                          {kVerifyLike, 250, 2},
                          {kVerifyLike, 0, 0}};
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer layer;
        Exchange exchange(layer, reporter, c.timing, {c.timeoutMs, false, std::nullopt});
        ASSERT_TRUE(exchange.OpenForBroadcast());
        EXPECT_FALSE(exchange.Request(CMD_VERIFY));
        EXPECT_EQ(layer.waits, std::vector<int>(c.waits, c.timing.intervalMs)) << c.timeoutMs;
        EXPECT_EQ(layer.receiveAttempts, c.waits + 1) << c.timeoutMs;
    }
}

TEST_F(ExchangeTest, StoppingAtTheFirstUnansweredRequestSendsNothingMore) {
    sockets.DeliverAt(2, PacketBuilder(CMD_GET_DEVICE_INFO, 20));
    Exchange exchange(sockets, reporter, kVerifyLike, {std::nullopt, true, std::nullopt});
    ASSERT_TRUE(exchange.OpenForBroadcast());
    EXPECT_EQ(exchange.Request(CMD_GET_DEVICE_INFO), 20u);
    EXPECT_FALSE(exchange.Request(CMD_GET_NETWORK_INFO));
    EXPECT_FALSE(exchange.Request(CMD_GET_USB_INFO));
    EXPECT_EQ(sockets.sent.size(), 2u);
    EXPECT_EQ(exchange.FirstUnanswered(), CMD_GET_NETWORK_INFO);
}

TEST_F(ExchangeTest, FirstDatagramEndsTheWaitAndOnlyAMatchingCommandIsTaken) {
    sockets.DeliverAt(4, PacketBuilder(CMD_GET_NETWORK_INFO, 20));  // stray
    sockets.DeliverAt(5, PacketBuilder(CMD_VERIFY, 12).Status(3));  // the real reply, too late
    sockets.DeliverAt(10, PacketBuilder(CMD_GET_USB_INFO, 40));
    Exchange exchange(sockets, reporter, kVerifyLike);
    ASSERT_TRUE(exchange.OpenForBroadcast());
    EXPECT_FALSE(exchange.Request(CMD_VERIFY));
    EXPECT_EQ(sockets.receiveAttempts, 4);
    EXPECT_EQ(sockets.waits.size(), 3u);
    // The late reply is what the next request reads first: it ends that wait too.
    EXPECT_FALSE(exchange.Request(CMD_GET_USB_INFO));
    EXPECT_EQ(sockets.receiveAttempts, 5);
    EXPECT_EQ(exchange.Request(CMD_GET_USB_INFO), 40u);
    EXPECT_EQ(ReadU16(exchange.Received()), CMD_GET_USB_INFO);
}

TEST_F(ExchangeTest, AnUnansweredRequestGoesAgainAsTheRetriesAllow) {
    struct Case {
        int retries;
        int answerAt;  // receive attempt: with retries the first drops what waits, then each send
                       // polls twice around its one wait
        size_t sends;
        bool answered;
    };
    const Case cases[] = {{0, 3, 1, false}, {1, 4, 2, true}, {2, 99, 3, false}, {1, 2, 1, true}};
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer layer;
        layer.DeliverAt(c.answerAt, PacketBuilder(CMD_GET_DEVICE_INFO, 20));
        ExchangeOptions options{200, false, std::nullopt, c.retries};
        Exchange exchange(layer, reporter, kVerifyLike, options);
        ASSERT_TRUE(exchange.OpenForBroadcast());
        EXPECT_EQ(exchange.Request(CMD_GET_DEVICE_INFO).has_value(), c.answered) << c.retries;
        EXPECT_EQ(layer.sent.size(), c.sends) << c.retries;
    }
}

TEST_F(ExchangeTest, WithRetriesLateAnswersToEarlierRequestsAreNotTaken) {
    sockets.DeliverAt(1, PacketBuilder(CMD_GET_DEVICE_INFO, 20));  // waiting before the request
    sockets.DeliverAt(3, PacketBuilder(CMD_GET_DEVICE_INFO, 20));  // arriving during its wait
    sockets.DeliverAt(4, PacketBuilder(CMD_GET_NETWORK_INFO, 88));
    Exchange exchange(sockets, reporter, kVerifyLike, {400, false, std::nullopt, 1});
    ASSERT_TRUE(exchange.OpenForBroadcast());
    EXPECT_EQ(exchange.Request(CMD_GET_NETWORK_INFO), 88u);
    EXPECT_EQ(sockets.sent.size(), 1u);
}

TEST_F(ExchangeTest, AUnicastAddressTakesEveryRequestInsteadOfTheBroadcasts) {
    ExchangeOptions options;
    options.unicastTo = 0xcb007107;  // 203.0.113.7
    Exchange exchange(sockets, reporter, kVerifyLike, options);
    ASSERT_TRUE(exchange.OpenForBroadcast());
    EXPECT_THAT(exchange.Send(CMD_VERIFY), ElementsAre(0xcb007107u));
    EXPECT_EQ(sockets.calls.back(), "SendTo 100 203.0.113.7 1638");
    EXPECT_EQ(std::count_if(sockets.calls.begin(), sockets.calls.end(),
                            [](const std::string& call) { return call.rfind("Send", 0) == 0; }),
              1);
}

TEST_F(ExchangeTest, RequestsCarryTheTargetAndNoBytesOfEarlierPayloads) {
    Exchange exchange(sockets, reporter, {0x0202, 0, 100, true});
    ASSERT_TRUE(exchange.OpenForBroadcast());
    exchange.SetTarget(kMac);
    const uint8_t page = 7;
    exchange.Send(CMD_GET_SHARE_LIST, &page, 1);
    exchange.Send(CMD_GET_USB_INFO);
    const uint8_t long_payload[4] = {1, 2, 3, 4};
    exchange.Send(CMD_VERIFY, long_payload, 4);
    const uint8_t short_payload[2] = {9, 9};
    exchange.Send(CMD_GET_SHARE_LIST, short_payload, 2);
    ASSERT_EQ(sockets.sent.size(), 4u);
    EXPECT_EQ(sockets.sent[0], Bytes({33, 0, 0, 0, 1, 0, 0x00, 0x1d, 0x2a, 0xaa, 0xbb, 0xcc, 7}));
    EXPECT_EQ(sockets.sent[1], Bytes({20, 0, 0, 0, 0, 0, 0x00, 0x1d, 0x2a, 0xaa, 0xbb, 0xcc}));
    EXPECT_EQ(sockets.sent[3],
              Bytes({33, 0, 0, 0, 2, 0, 0x00, 0x1d, 0x2a, 0xaa, 0xbb, 0xcc, 9, 9}));
}

TEST_F(ExchangeTest, SleepingExchangeSleepsInsteadOfWaitingForTheSocket) {
    Exchange exchange(sockets, reporter, {0x0202, 3, 100, false});
    ASSERT_TRUE(exchange.OpenForBroadcast());
    EXPECT_FALSE(exchange.AwaitDatagram());
    EXPECT_EQ(sockets.sleeps, std::vector<int>(3, 100));
    EXPECT_THAT(sockets.waits, IsEmpty());
}

TEST_F(ExchangeTest, ReleasesTheLayerOnceOnEveryPathThatStartedIt) {
    struct Case {
        const char* what;
        int startupError;
        bool failUdp;
        int cleanups;
        const char* message;
    };
    const Case cases[] = {
        {"start fails", 10092, false, 0, "Network communication failed with error 10092\n"},
        {"socket fails", 0, true, 1, "Network communication failed with error 0\n"},
    };
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer layer;
        testing::RecordingReporter messages;
        layer.startupError = c.startupError;
        layer.failUdp = c.failUdp;
        {
            Exchange exchange(layer, messages, kVerifyLike);
            EXPECT_FALSE(exchange.OpenForBroadcast()) << c.what;
        }
        EXPECT_EQ(layer.cleanups, c.cleanups) << c.what;
        EXPECT_THAT(messages.messages, ElementsAre(c.message)) << c.what;
        EXPECT_THAT(layer.sent, IsEmpty()) << c.what;
    }
}

}  // namespace
}  // namespace zerin
