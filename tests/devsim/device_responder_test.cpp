// Which devices answer a request, what settings requests change, and what each fault does to the
// answers.
#include "tools/devsim/device_responder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/packet.h"
#include "tests/devsim/reply_fields.h"
#include "tests/support/packet_builder.h"

namespace zerin::devsim {
namespace {

using testing::TextAt;
using zerin::testing::PacketBuilder;

const MacAddress kFirstMac = {0x02, 0x5a, 0, 0, 0, 0x10};
const MacAddress kSecondMac = {0x02, 0x5a, 0, 0, 0, 0x11};

DeviceState Device(const std::string& name, const MacAddress& mac) {
    DeviceState device;
    device.name = name;
    device.mac = mac;
    device.ip = "198.51.100.10";
    device.adminUser = "admin";
    device.adminPassword = "secret";
    device.shares = {"Public"};
    return device;
}

std::vector<DeviceState> TwoDevices() {
    return {Device("FIRST", kFirstMac), Device("SECOND", kSecondMac)};
}

Datagram Request(uint16_t command, const MacAddress& mac, size_t size = 12) {
    return PacketBuilder(command, size).U16(4, static_cast<uint16_t>(size - 12)).Mac(mac);
}

Datagram Verify(const MacAddress& mac, const std::string& user, const std::string& password) {
    return PacketBuilder(CMD_VERIFY, 44).U16(4, 32).Mac(mac).Text(12, user).Text(28, password);
}

Datagram SetNetwork(const MacAddress& mac, uint8_t status, const std::vector<std::string>& ips) {
    PacketBuilder request(CMD_SET_NETWORK_INFO, 88);
    request.U16(4, 76).Mac(mac).U8(12, status);
    for (size_t i = 0; i < ips.size(); ++i) {
        request.Text(13 + 15 * i, ips[i]);
    }
    return request;
}

Fault ParsedFault(const std::string& text) {
    std::string error;
    std::optional<Fault> fault = ParseFault(text, error);
    EXPECT_TRUE(fault) << error;
    return fault.value_or(Fault{});
}

std::vector<uint16_t> Commands(const std::vector<Answer>& answers) {
    std::vector<uint16_t> commands;
    for (const Answer& answer : answers) {
        commands.push_back(ReadU16(&answer.bytes[0]));
    }
    return commands;
}

// The one answer to a request; fails the test when there is not exactly one.
Datagram OnlyAnswer(std::vector<DeviceState>& devices, const Datagram& request) {
    std::vector<Answer> answers = Respond(devices, request);
    EXPECT_EQ(answers.size(), 1u);
    return answers.empty() ? Datagram(12) : answers[0].bytes;
}

TEST(DeviceResponder, EveryDeviceAnswersASearchInOrder) {
    std::vector<DeviceState> devices = TwoDevices();
    std::vector<Answer> answers = Respond(devices, Datagram(12, 0));
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(TextAt(answers[0].bytes, 16, 16), "FIRST");
    EXPECT_EQ(TextAt(answers[1].bytes, 16, 16), "SECOND");
    EXPECT_EQ(answers[0].delayMs, 0u);
}

TEST(DeviceResponder, AUnicastReachesOnlyTheDeviceAtItsAddress) {
    std::vector<DeviceState> devices = TwoDevices();
    devices[1].ip = "203.0.113.7";
    const std::vector<Answer> answers = Respond(devices, Datagram(12, 0), "203.0.113.7");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(TextAt(answers[0].bytes, 16, 16), "SECOND");
    EXPECT_TRUE(Respond(devices, Request(CMD_GET_DEVICE_INFO, kFirstMac), "203.0.113.7").empty());
    EXPECT_TRUE(Respond(devices, Datagram(12, 0), "203.0.113.8").empty());
}

TEST(DeviceResponder, ADropFaultLosesTheFirstOfEveryNRequestsItActsOn) {
    std::vector<DeviceState> devices = {Device("FIRST", kFirstMac)};
    std::string error;
    devices[0].faults = {*ParseFault("drop:3@get_device_info", error)};
    std::string answered;
    for (int i = 0; i < 7; ++i) {
        answered += Respond(devices, Request(CMD_GET_DEVICE_INFO, kFirstMac)).empty() ? '-' : 'A';
        answered += Respond(devices, Datagram(12, 0)).empty() ? '-' : 's';
    }
    EXPECT_EQ(answered, "-sAsAs-sAsAs-s");
}

TEST(DeviceResponder, OnlyTheAddressedDeviceAnswersOtherCommands) {
    const uint16_t commands[] = {CMD_GET_DEVICE_INFO, CMD_GET_NETWORK_INFO, CMD_GET_USB_INFO,
                                 CMD_GET_SHARE_COUNT};
    std::vector<DeviceState> devices = TwoDevices();
    for (uint16_t command : commands) {
        SCOPED_TRACE(command);
        Datagram reply = OnlyAnswer(devices, Request(command, kSecondMac));
        EXPECT_EQ(ReadU16(&reply[0]), command);
        EXPECT_TRUE(std::equal(kSecondMac.begin(), kSecondMac.end(), reply.begin() + 6));
    }
}

TEST(DeviceResponder, RequestsNoDeviceTakesGetNoAnswer) {
    std::vector<DeviceState> devices = TwoDevices();
    const struct {
        const char* what;
        Datagram request;
    } cases[] = {
        {"unknown mac", Request(CMD_GET_DEVICE_INFO, {0x02, 0x5a, 0, 0, 0, 0x99})},
        {"unknown command", Request(0x0042, kFirstMac)},
        {"shorter than a header", Datagram(11, 0)},
        {"share list without page", Request(CMD_GET_SHARE_LIST, kFirstMac)},
        {"verify cut short", Request(CMD_VERIFY, kFirstMac, 43)},
        {"set device info cut short", Request(CMD_SET_DEVICE_INFO, kFirstMac, 107)},
        {"set network info cut short", Request(CMD_SET_NETWORK_INFO, kFirstMac, 87)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(Respond(devices, c.request).empty());
    }
}

TEST(DeviceResponder, ShareListAnswersThePageAsked) {
    std::vector<DeviceState> devices = TwoDevices();
    Datagram request = PacketBuilder(CMD_GET_SHARE_LIST, 13).U16(4, 1).Mac(kFirstMac).U8(12, 1);
    Datagram reply = OnlyAnswer(devices, request);
    EXPECT_EQ(reply[12], 1);
    EXPECT_EQ(reply[13], 0);
}

TEST(DeviceResponder, VerifyComparesNameAndPassword) {
    const struct {
        const char* user;
        const char* password;
        uint16_t status;
    } cases[] = {
        {"admin", "secret", 0},
        {"admin", "secre", kVerifyRefused},
        {"admin", "", kVerifyRefused},
        {"Admin", "secret", kVerifyRefused},
        {"admin1", "secret", kVerifyRefused},
    };
    std::vector<DeviceState> devices = TwoDevices();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.user) + "/" + c.password);
        Datagram reply = OnlyAnswer(devices, Verify(kFirstMac, c.user, c.password));
        EXPECT_EQ(ReadU16(&reply[0]), CMD_VERIFY);
        EXPECT_EQ(ReadU16(&reply[2]), c.status);
    }
}

TEST(DeviceResponder, VerifyAcceptsFullWidthNameAndPasswordWithoutTerminators) {
    std::vector<DeviceState> devices = TwoDevices();
    devices[0].adminUser = "sixteen-char-usr";
    devices[0].adminPassword = "eightchr";
    Datagram reply = OnlyAnswer(devices, Verify(kFirstMac, "sixteen-char-usr", "eightchr"));
    EXPECT_EQ(ReadU16(&reply[2]), 0);
}

TEST(DeviceResponder, SetDeviceInfoChangesWhatDeviceInfoReports) {
    std::vector<DeviceState> devices = TwoDevices();
    std::string description(63, 'x');
    Datagram request = PacketBuilder(CMD_SET_DEVICE_INFO, 108)
                           .U16(4, 96)
                           .Mac(kFirstMac)
                           .U8(12, 1)
                           .Text(13, "ABC")
                           .Text(29, description)
                           .Text(93, "20100305")
                           .Text(101, "070809")
                           .U8(107, 56);
    Datagram reply = OnlyAnswer(devices, request);
    EXPECT_EQ(ReadU16(&reply[0]), CMD_SET_DEVICE_INFO);
    Datagram info = OnlyAnswer(devices, Request(CMD_GET_DEVICE_INFO, kFirstMac));
    EXPECT_EQ(info[20], 1);
    EXPECT_EQ(TextAt(info, 37, 64), description);
    EXPECT_EQ(TextAt(info, 101, 8), "20100305");
    EXPECT_EQ(TextAt(info, 109, 6), "070809");
    EXPECT_EQ(info[115], 56);
    EXPECT_EQ(devices[0].name, "FIRST");
}

TEST(DeviceResponder, SetNetworkInfoChangesNetworkInfoAndSearchReplies) {
    std::vector<DeviceState> devices = TwoDevices();
    std::vector<std::string> addresses = {"192.168.100.200", "255.0.0.0", "10.0.0.1", "10.0.0.2",
                                          "0.0.0.0"};
    Datagram reply = OnlyAnswer(devices, SetNetwork(kFirstMac, 1, addresses));
    EXPECT_EQ(ReadU16(&reply[0]), CMD_SET_NETWORK_INFO);
    EXPECT_EQ(ReadU16(&reply[2]), 0);
    Datagram info = OnlyAnswer(devices, Request(CMD_GET_NETWORK_INFO, kFirstMac));
    EXPECT_EQ(info[12], 1);
    for (size_t i = 0; i < addresses.size(); ++i) {
        EXPECT_EQ(TextAt(info, 13 + 15 * i, 15), addresses[i]);
    }
    EXPECT_EQ(TextAt(Respond(devices, Datagram(12, 0))[0].bytes, 32, 15), "192.168.100.200");
}

TEST(DeviceResponder, RefusedNetworkSettingsAreNotApplied) {
    std::vector<DeviceState> devices = TwoDevices();
    devices[0].faults = {ParsedFault("refuse:2@set_network_info")};
    Datagram reply = OnlyAnswer(devices, SetNetwork(kFirstMac, 0, {"10.0.0.5"}));
    EXPECT_EQ(ReadU16(&reply[2]), 2);
    EXPECT_EQ(devices[0].ip, "198.51.100.10");
}

struct FaultCase {
    const char* fault;
    Datagram request;
    std::vector<uint16_t> commands;
    uint32_t delayMs;
};

TEST(DeviceResponder, FaultsShapeTheAnswers) {
    const uint16_t kStray = kDefaultStrayCommand;
    const Datagram search(12, 0);
    const FaultCase cases[] = {
        {"silent", search, {}, 0},
        {"silent@get_share_list", search, {CMD_SEARCH}, 0},
        {"delay:250", search, {CMD_SEARCH}, 250},
        {"twice", Request(CMD_GET_USB_INFO, kFirstMac), {CMD_GET_USB_INFO, CMD_GET_USB_INFO}, 0},
        {"stray", search, {kStray, CMD_SEARCH}, 0},
        {"stray:16",
         Request(CMD_GET_NETWORK_INFO, kFirstMac),
         {CMD_GET_DEVICE_INFO, CMD_GET_NETWORK_INFO},
         0},
        {"delay:80@search", Request(CMD_GET_DEVICE_INFO, kFirstMac), {CMD_GET_DEVICE_INFO}, 0},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.fault);
        std::vector<DeviceState> devices = {Device("FIRST", kFirstMac)};
        devices[0].faults = {ParsedFault(c.fault)};
        std::vector<Answer> answers = Respond(devices, c.request);
        EXPECT_EQ(Commands(answers), c.commands);
        for (const Answer& answer : answers) {
            EXPECT_EQ(answer.delayMs, c.delayMs);
        }
    }
}

TEST(DeviceResponder, BroadcastFaultMarksTheStrayAndEveryCopy) {
    std::vector<DeviceState> devices = {Device("FIRST", kFirstMac)};
    devices[0].faults = {ParsedFault("broadcast@get_network_info"), ParsedFault("stray"),
                         ParsedFault("twice")};
    std::vector<Answer> answers = Respond(devices, Request(CMD_GET_NETWORK_INFO, kFirstMac));
    ASSERT_EQ(answers.size(), 3u);
    for (const Answer& answer : answers) {
        EXPECT_TRUE(answer.broadcast);
    }
    for (const Answer& answer : Respond(devices, Datagram(12, 0))) {
        EXPECT_FALSE(answer.broadcast);
    }
}

TEST(DeviceResponder, RefuseFaultSetsTheVerifyStatus) {
    std::vector<DeviceState> devices = {Device("FIRST", kFirstMac)};
    devices[0].faults = {ParsedFault("refuse:9")};
    EXPECT_EQ(ReadU16(&OnlyAnswer(devices, Verify(kFirstMac, "admin", "secret"))[2]), 9);
}

TEST(DeviceResponder, SilentDeviceKeepsItsSettings) {
    std::vector<DeviceState> devices = {Device("FIRST", kFirstMac)};
    devices[0].faults = {ParsedFault("silent")};
    Respond(devices, SetNetwork(kFirstMac, 0, {"10.0.0.5"}));
    EXPECT_EQ(devices[0].ip, "198.51.100.10");
}

TEST(DeviceResponder, ForgetFaultAcceptsTheWriteAndKeepsTheSettings) {
    std::vector<DeviceState> devices = {Device("FIRST", kFirstMac)};
    devices[0].faults = {ParsedFault("forget")};
    EXPECT_EQ(ReadU16(&OnlyAnswer(devices, SetNetwork(kFirstMac, 0, {"10.0.0.5"}))[2]), 0);
    EXPECT_EQ(devices[0].ip, "198.51.100.10");
}

TEST(DeviceResponder, ProductFaultChangesOnlyTheProductCodeField) {
    std::vector<DeviceState> devices = {Device("FIRST", kFirstMac)};
    devices[0].faults = {ParsedFault("product:0202")};
    EXPECT_EQ(TextAt(OnlyAnswer(devices, Datagram(12, 0)), 12, 4), "0202");
    EXPECT_EQ(TextAt(OnlyAnswer(devices, Request(CMD_GET_DEVICE_INFO, kFirstMac)), 12, 4), "0202");
    Datagram count = OnlyAnswer(devices, Request(CMD_GET_SHARE_COUNT, kFirstMac));
    EXPECT_EQ(ReadU16(&count[12]), 1);
}

}  // namespace
}  // namespace zerin::devsim
