// A device's entry of the exported file over the scripted sockets: what it holds, what is left
// out and said, and that apply's reader and plan take it back as it is.
#include "operations/fleet/fleet_export.h"

#include <gtest/gtest.h>

#include <functional>

#include "operations/detail_replies.h"
#include "operations/fleet/fleet_file.h"
#include "operations/fleet/fleet_plan.h"
#include "operations/silent_reporter.h"
#include "protocol/device_search.h"
#include "tests/support/device_replies.h"
#include "tests/support/packet_builder.h"

namespace zerin {
namespace {

const NetworkAdapter kEth0{"eth0", 0xc6336401, 24, 2};  // 198.51.100.1/24

struct Exported {
    ExportedDevice device;
    DeviceRecord record;  // as the device reports it after the export
};

// The device exported, its replies to lostReply (0 for none) never coming.
Exported Export(const testing::DeviceState& state, uint16_t lostReply = 0) {
    testing::ScriptedSocketLayer sockets;
    testing::ScriptedDevices devices(sockets, {state});
    const auto answer = sockets.onSend;
    sockets.onSend = [&](const testing::Bytes& request) {
        if (ReadU16(request.data()) != lostReply) {
            answer(request);
        }
    };
    const testing::Bytes reply = testing::SearchReply(state);
    FoundDevice found{ParseSearchReply(reply.data(), reply.size())};
    found.record->adapter = kEth0;
    Exported exported{ExportDevice(found, {300, 0}, sockets), {}};
    // The record as apply's own detail queries would fill it.
    SilentReporter reporter;
    exported.record = *found.record;
    QueryDeviceDetails(sockets, reporter, exported.record);
    return exported;
}

std::string Said(const ExportedDevice& device) {
    std::string text;
    for (const std::string& said : device.said) {
        text += said + ';';
    }
    return text;
}

testing::DeviceState With(std::function<void(testing::DeviceState&)> change) {
    testing::DeviceState state;
    change(state);
    return state;
}

TEST(FleetExportTest, AnEntryHoldsWhatTheDeviceReports) {
    const Exported exported = Export(testing::DeviceState());
    ASSERT_TRUE(exported.device.entry);
    EXPECT_EQ(
        JsonText(*exported.device.entry),
        R"({"mac":"02:5a:00:00:00:10","name":"NETSTOR-000010","description":"Office storage",)"
        R"("timeZone":56,"askPassword":false,"network":{"mode":"static",)"
        R"("ip":"198.51.100.10","mask":"255.255.255.0","gateway":"198.51.100.1",)"
        R"("dns1":"198.51.100.1"}})");
    EXPECT_EQ(Said(exported.device),
              "the device's second DNS server is empty, left out of its entry;");
}

// Each value apply could not send back or would refuse is left out and said; apply reads the file
// back and plans no change for the device.
TEST(FleetExportTest, WhatApplyCouldNotTakeBackIsLeftOutAndSaid) {
    const std::pair<testing::DeviceState, const char*> cases[] = {
        {With([](auto& d) { d.dns2 = "0.0.0.0"; }), ""},
        {With([](auto& d) {
             d.description = "v1.2";
             d.dns2 = "0.0.0.0";
         }),
         "the device's description breaks the description rule, left out of its entry;"},
        {With([](auto& d) {
             d.gateway = "10.0.0.1";
             d.dns2 = "0.0.0.0";
         }),
         "the device's default gateway 10.0.0.1 is not a host of the device's subnet "
         "198.51.100.0/24: the device would be lost, left out of its entry;"},
        {With([](auto& d) {
             d.mask = "255.0.255.0";
             d.dns2 = "x";
         }),
         "the device's second DNS server \"x\" does not read as a dotted IPv4 address, left out "
         "of its entry;the device's subnet mask 255.0.255.0 is not a run of ones then zeros: the "
         "device would be lost, left out of its entry;"},
        // A device that takes its address by DHCP keeps every address that reads.
        {With([](auto& d) {
             d.ipStatus = 1;
             d.gateway = "10.0.0.1";
             d.dns2 = "0.0.0.0";
         }),
         ""},
        {With([](auto& d) {
             d.timeZone = 80;
             d.passwordFlag = 1;
             d.dns2 = "0.0.0.0";
         }),
         ""},
    };
    for (const auto& [state, said] : cases) {
        const Exported exported = Export(state);
        ASSERT_TRUE(exported.device.entry) << said;
        EXPECT_EQ(Said(exported.device), said);
        std::string error;
        const auto file = ReadFleetFile(JsonText(FleetFileOf({exported.device}, {})), error);
        ASSERT_TRUE(file) << error;
        const FleetPlan plan = PlanChanges(file->entries[0].settings, exported.record, std::tm{});
        EXPECT_EQ(ChangesText(plan.changes), "") << said;
        EXPECT_EQ(plan.error, "") << said;
    }
}

TEST(FleetExportTest, ADeviceWithoutAnswersIsLeftOutOfTheFile) {
    for (const uint16_t lost : {CMD_GET_DEVICE_INFO, CMD_GET_NETWORK_INFO}) {
        Exported exported = Export(testing::DeviceState(), lost);
        EXPECT_FALSE(exported.device.entry);
        EXPECT_EQ(Said(exported.device),
                  "no answer to the " + DetailRequestName(lost) + " request, left out;");
        EXPECT_EQ(JsonText(FleetFileOf({exported.device}, {"203.0.113.0/30"})),
                  R"({"devices":[],"targets":["203.0.113.0/30"]})");
    }
}

}  // namespace
}  // namespace zerin
