// One entry against its device over the scripted sockets: the course ends where the device or its
// report says, and nothing is written past that point.
#include "operations/fleet/fleet_apply.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "protocol/device_search.h"
#include "tests/support/device_replies.h"
#include "tests/support/packet_builder.h"

namespace zerin {
namespace {

const NetworkAdapter kEth0{"eth0", 0xc6336401, 24, 2};  // 198.51.100.1/24

struct Case {
    const char* what;
    testing::DeviceState device;
    uint16_t lostReply;  // the command whose replies never come, 0 for none
    EntryStatus status;
    const char* error;
    size_t writes;  // set device info requests sent, each unanswered one twice
};

testing::DeviceState Guarded(uint16_t verifyStatus) {
    testing::DeviceState device;
    device.passwordFlag = 1;
    device.verifyStatus = verifyStatus;
    return device;
}

testing::DeviceState WithDate(const char* date) {
    testing::DeviceState device;
    device.date = date;
    return device;
}

TEST(FleetApplyTest, AnEntryEndsWhereItsDeviceOrItsReportSays) {
    const Case cases[] = {
        {"refused verification", Guarded(1), 0, EntryStatus::kRefused,
         "NETSTOR-000010 did not accept the administrator name or password", 0},
        {"lost write reply", testing::DeviceState(), CMD_SET_DEVICE_INFO, EntryStatus::kNoAnswer,
         "no answer to the device settings", 2},
        {"read back otherwise", testing::DeviceState(), 0, EntryStatus::kUnconfirmed,
         "the device reports other values after the write", 1},
        {"invalid date", WithDate("20210230"), 0, EntryStatus::kRefused,
         "the device reports no valid date: give the entry a clock", 0},
    };
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer sockets;
        testing::ScriptedDevices devices(sockets, {c.device});
        const auto answer = sockets.onSend;
        sockets.onSend = [&](const testing::Bytes& request) {
            if (ReadU16(request.data()) != c.lostReply) {
                answer(request);
            }
        };
        const testing::Bytes reply = testing::SearchReply(c.device);
        FoundDevice found{ParseSearchReply(reply.data(), reply.size())};
        found.record->adapter = kEth0;
        FleetEntry entry{"devices[0]", std::nullopt, "NETSTOR-000010", {}, "admin", std::nullopt};
        entry.settings.description = "New shelf";
        ApplyRun run;
        run.waits.timeoutMs = 300;
        run.password = "secret";
        const EntryResult result = ApplyEntry(entry, &found, std::nullopt, run, sockets);
        EXPECT_EQ(EntryStatusName(result.status), std::string(EntryStatusName(c.status))) << c.what;
        EXPECT_EQ(result.error, c.error) << c.what;
        EXPECT_EQ(std::count_if(sockets.sent.begin(), sockets.sent.end(),
                                [](const testing::Bytes& request) {
                                    return ReadU16(request.data()) == CMD_SET_DEVICE_INFO;
                                }),
                  static_cast<long>(c.writes))
            << c.what;
    }
}

// A name beside the MAC address that differs from the device's is shown as a change that is
// never written: an entry with nothing else to change stays unchanged.
TEST(FleetApplyTest, ANameThatDiffersIsShownAndNeverWritten) {
    for (const bool dryRun : {false, true}) {
        testing::ScriptedSocketLayer sockets;
        testing::ScriptedDevices devices(sockets, {testing::DeviceState()});
        const testing::Bytes reply = testing::SearchReply(testing::DeviceState());
        FoundDevice found{ParseSearchReply(reply.data(), reply.size())};
        found.record->adapter = kEth0;
        FleetEntry entry{"devices[0]", "02:5a:00:00:00:10", "FRONT-DESK", {}, {}, {}};
        entry.settings.description = "Office storage";
        ApplyRun run;
        run.dryRun = dryRun;
        const EntryResult result = ApplyEntry(entry, &found, std::nullopt, run, sockets);
        EXPECT_EQ(EntryStatusName(result.status), std::string("unchanged"));
        EXPECT_EQ(ChangesText(result.changes), R"(name "NETSTOR-000010" -> "FRONT-DESK")");
        EXPECT_TRUE(std::none_of(
            devices.requests.begin(), devices.requests.end(),
            [](const testing::Bytes& r) { return ReadU16(r.data()) == CMD_SET_DEVICE_INFO; }));
    }
}

// A stop that comes while the device settings are written leaves the network settings unwritten,
// and the entry says so.
TEST(FleetApplyTest, AStopBetweenTheWritesIsSaid) {
    testing::ScriptedSocketLayer sockets;
    testing::ScriptedDevices devices(sockets, {testing::DeviceState()});
    const testing::Bytes reply = testing::SearchReply(testing::DeviceState());
    FoundDevice found{ParseSearchReply(reply.data(), reply.size())};
    found.record->adapter = kEth0;
    FleetEntry entry{"devices[0]", std::nullopt, "NETSTOR-000010", {}, std::nullopt, std::nullopt};
    entry.settings.description = "New shelf";
    entry.settings.network.mode = "dhcp";
    ApplyRun run;
    run.stopRequested = [&] { return !sockets.sent.empty() && sockets.sent.back()[0] == 0x11; };
    const EntryResult result = ApplyEntry(entry, &found, std::nullopt, run, sockets);
    EXPECT_EQ(EntryStatusName(result.status), std::string("unconfirmed"));
    EXPECT_EQ(result.error,
              "stopped before the network settings; the device reports other values after the "
              "write");
    EXPECT_TRUE(std::none_of(devices.requests.begin(), devices.requests.end(),
                             [](const testing::Bytes& r) { return r[0] == 0x13; }));
}

// A guarded device without a name and password to give it is refused before anything is sent,
// in the words the run gives for what would give them.
TEST(FleetApplyTest, AGuardedEntryWithoutCredentialsSaysWhatGivesThem) {
    testing::ScriptedSocketLayer sockets;
    testing::ScriptedDevices devices(sockets, {Guarded(0)});
    const testing::Bytes reply = testing::SearchReply(Guarded(0));
    FoundDevice found{ParseSearchReply(reply.data(), reply.size())};
    found.record->adapter = kEth0;
    FleetEntry entry{"devices[0]", std::nullopt, "NETSTOR-000010", {}, std::nullopt, std::nullopt};
    entry.settings.description = "New shelf";
    ApplyRun run;
    run.credentialsHint = ": give a name and a password";
    const EntryResult result = ApplyEntry(entry, &found, std::nullopt, run, sockets);
    EXPECT_EQ(EntryStatusName(result.status), std::string("refused"));
    EXPECT_EQ(result.error,
              "NETSTOR-000010 asks for its administrator's name and password: give a name and a "
              "password");
    EXPECT_TRUE(
        std::none_of(devices.requests.begin(), devices.requests.end(), [](const testing::Bytes& r) {
            return ReadU16(r.data()) == CMD_SET_DEVICE_INFO || ReadU16(r.data()) == CMD_VERIFY;
        }));
}

}  // namespace
}  // namespace zerin
