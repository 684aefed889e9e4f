// The command-line tool's search over the scripted sockets layer, whose clock moves only by the
// search's own sleeps and waits.
#include "protocol/wide_search.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/device_replies.h"
#include "tests/support/recording_reporter.h"

namespace zerin {
namespace {

using testing::Bytes;
using testing::DeviceState;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::vector<NetworkAdapter> kAdapters{{"eth0", 0xc6336401, 24, 2},   // 198.51.100.1/24
                                            {"tun0", 0xcb007101, 32, 3}};  // 203.0.113.1/32

Bytes Answer(const std::string& name, uint8_t last) {
    DeviceState device;
    device.name = name;
    device.mac = {0x02, 0x5a, 0, 0, 0, last};
    return testing::SearchReply(device);
}

class WideSearchTest : public ::testing::Test {
  protected:
    WideSearchReport Search(const WideSearchPlan& plan) {
        return SearchWide(sockets, reporter, plan, [this](std::unique_ptr<DeviceRecord> record) {
            heard.push_back(std::string(record->name) + " " +
                            (record->adapter ? record->adapter->name
                                             : "via " + FormatIpv4(record->via.value_or(0))));
        });
    }
    testing::ScriptedSocketLayer sockets;
    testing::RecordingReporter reporter;
    std::vector<std::string> heard;
};

TEST_F(WideSearchTest, BroadcastsThroughEachAdapterTwiceInOneWindow) {
    std::vector<int64_t> times;
    sockets.onSend = [&](const Bytes&) { times.push_back(sockets.clockMs); };
    const WideSearchReport report = Search({kAdapters, {}});
    EXPECT_TRUE(report.opened);
    ASSERT_EQ(report.adapters.size(), 2u);
    EXPECT_THAT(report.adapters[0].sentTo, ElementsAre(0xffffffff, 0xc63364ff));
    EXPECT_THAT(report.adapters[1].sentTo, ElementsAre(0xffffffff));
    EXPECT_THAT(times, ElementsAre(0, 0, 0, 500, 500, 500));
    EXPECT_EQ(sockets.clockMs, 2000);
    EXPECT_EQ(report.receiveBufferBytes, kWideSearchReceiveBufferBytes);
    EXPECT_EQ(
        std::count(sockets.calls.begin(), sockets.calls.end(), "SetReceiveBuffer 100 4194304"), 1);
    EXPECT_THAT(sockets.openSockets, IsEmpty());
}

TEST_F(WideSearchTest, EachDeviceOnceWithTheAdapterThatHeardItFirst) {
    // Polls go round the sockets, each drained: attempt 2 is the second socket's first poll.
    sockets.DeliverAt(2, Answer("SECOND", 2));
    sockets.DeliverAt(4, Answer("FIRST", 1));
    sockets.DeliverAt(4, Answer("SECOND", 2));
    sockets.DeliverAt(4, Bytes(12, 0));  // not a valid answer
    const WideSearchReport report = Search({kAdapters, {}});
    EXPECT_THAT(heard, ElementsAre("SECOND tun0", "FIRST eth0"));
    EXPECT_EQ(report.adapters[0].heard.size(), 2u);
    EXPECT_EQ(report.adapters[1].heard.size(), 1u);
}

TEST_F(WideSearchTest, ASocketThatCannotBeOpenedEndsTheSearchWithOneMessage) {
    sockets.failUdp = true;
    EXPECT_FALSE(Search({kAdapters, {{0xcb007100, 0xcb0071ff}}}).opened);
    EXPECT_THAT(reporter.messages, ElementsAre("Network communication failed with error 0\n"));
    EXPECT_THAT(sockets.sent, IsEmpty());
}

TEST_F(WideSearchTest, TargetsThatAnsweredAreListedViaTheirAddressAndNotAskedAgain) {
    sockets.onSend = [this](const Bytes&) {
        if (sockets.calls.back() == "SendTo 100 203.0.113.2 1638") {
            sockets.Deliver(Answer("ROUTED", 7), 0xcb007102);
        }
    };
    // Two overlapping targets: each address once.
    const WideSearchReport report =
        Search({{}, {{0xcb007100, 0xcb007103}, {0xcb007102, 0xcb007102}}});
    EXPECT_THAT(heard, ElementsAre("ROUTED via 203.0.113.2"));
    EXPECT_EQ(report.targets.sent, 4u + 3u);
    ASSERT_EQ(report.targets.heard.size(), 1u);
    EXPECT_EQ(report.targets.heard[0].first, 0xcb007102u);
    // The second round a quarter of the window after the first one's last send at 2 ms: its sends
    // at 502, 503 and 503 ms, and the window's rest after them.
    EXPECT_EQ(sockets.clockMs, 503 + 1500);
}

TEST_F(WideSearchTest, ASixteenBitBlockIsPacedAtTheRateAndTheWindowRunsFromTheLastSend) {
    std::vector<int64_t> times;
    sockets.onSend = [&](const Bytes&) { times.push_back(sockets.clockMs); };
    const WideSearchReport report = Search({{}, {{0xcb000000, 0xcb00ffff}}});
    ASSERT_EQ(times.size(), 2u * 65536);
    EXPECT_EQ(times[65535], 32768);  // the first round takes 32.8 s at 2000 a second
    size_t most = 0;
    for (size_t first = 0, last = 0; first < times.size(); ++first) {
        while (last < times.size() && times[last] < times[first] + 1000) {
            ++last;
        }
        most = std::max(most, last - first);
    }
    EXPECT_EQ(most, 2000u);
    // The second round a quarter of the window in; the window's rest after its last send.
    EXPECT_EQ(times[65536], 32768 + 500);
    EXPECT_EQ(sockets.clockMs, times.back() + 1500);
    EXPECT_EQ(report.targets.sent, 2u * 65536);
}

TEST_F(WideSearchTest, ASearchThatHasAllItLooksForEndsAtOnce) {
    sockets.DeliverAt(4, Answer("WANTED", 1));  // eth0's poll after the first unicast
    WideSearchPlan plan{kAdapters, {{0xcb007100, 0xcb0071ff}}};
    plan.complete = [this] { return !heard.empty(); };
    const WideSearchReport report = Search(plan);
    EXPECT_THAT(heard, ElementsAre("WANTED eth0"));
    EXPECT_EQ(sockets.sent.size(), 4u);  // three broadcasts, and one unicast before the answer
    EXPECT_EQ(report.targets.sent, 1u);
    EXPECT_EQ(sockets.clockMs, 0);
}

TEST(AddressCountTest, CountsEachAddressOnce) {
    EXPECT_EQ(AddressCount({}), 0u);
    EXPECT_EQ(AddressCount({{0, 0xffffffff}}), uint64_t{1} << 32);
    EXPECT_EQ(AddressCount({{10, 20}, {15, 30}, {31, 31}, {40, 40}}), 23u);
}

}  // namespace
}  // namespace zerin
