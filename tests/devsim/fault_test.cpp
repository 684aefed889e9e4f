// The fault notation, and which faults act on the answer to a command.
#include "tools/devsim/fault.h"

#include <gtest/gtest.h>

#include "protocol/packet.h"

namespace zerin::devsim {
namespace {

TEST(Fault, ParsesKindArgumentAndCommand) {
    const struct {
        const char* text;
        FaultKind kind;
        uint32_t value;
        const char* product;
        std::optional<uint16_t> command;
    } cases[] = {
        {"silent", FaultKind::kSilent, 0, "", std::nullopt},
        {"twice@0x21", FaultKind::kTwice, 0, "", CMD_GET_SHARE_LIST},
        {"delay:500@get_share_list", FaultKind::kDelay, 500, "", CMD_GET_SHARE_LIST},
        {"delay:0", FaultKind::kDelay, 0, "", std::nullopt},
        {"stray", FaultKind::kStray, 0xffff, "", std::nullopt},
        {"stray:CMD_GET_DEVICE_INFO@search", FaultKind::kStray, 16, "", CMD_SEARCH},
        {"product:0202@0", FaultKind::kProduct, 0, "0202", CMD_SEARCH},
        {"refuse:2@Set_Network_Info", FaultKind::kRefuse, 2, "", CMD_SET_NETWORK_INFO},
        {"broadcast", FaultKind::kBroadcast, 0, "", std::nullopt},
        {"broadcast@search", FaultKind::kBroadcast, 0, "", CMD_SEARCH},
        {"forget@set_device_info", FaultKind::kForget, 0, "", CMD_SET_DEVICE_INFO},
        {"drop@search", FaultKind::kDrop, 2, "", CMD_SEARCH},
        {"drop:10", FaultKind::kDrop, 10, "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        std::optional<Fault> fault = ParseFault(c.text, error);
        ASSERT_TRUE(fault) << error;
        EXPECT_EQ(fault->kind, c.kind);
        EXPECT_EQ(fault->value, c.value);
        EXPECT_EQ(fault->product, c.product);
        EXPECT_EQ(fault->command, c.command);
    }
}

TEST(Fault, RefusesMalformedFaults) {
    const char* cases[] = {
        "",           "loud",          "delay",       "delay:soon", "delay:600001",
        "silent:3",   "twice:2",       "refuse",      "refuse:0",   "refuse:65536",
        "product:01", "product:01010", "stray:bogus", "silent@",    "twice@nosuch",
        "@search",    "broadcast:1",   "forget:1",    "drop:0",     "drop:x"};
    for (const char* text : cases) {
        std::string error;
        EXPECT_FALSE(ParseFault(text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(Fault, PlanTakesOnlyFaultsForTheCommand) {
    std::vector<Fault> faults;
    for (const char* text : {"delay:700@get_usb_info", "delay:100", "silent@verify", "refuse:3",
                             "refuse:4@set_network_info", "broadcast@verify"}) {
        std::string error;
        faults.push_back(ParseFault(text, error).value());
    }
    FaultPlan usb = PlanFaults(faults, CMD_GET_USB_INFO);
    EXPECT_EQ(usb.delayMs, 700u);
    EXPECT_FALSE(usb.silent);
    EXPECT_FALSE(usb.broadcast);
    FaultPlan network = PlanFaults(faults, CMD_SET_NETWORK_INFO);
    EXPECT_EQ(network.delayMs, 100u);
    EXPECT_EQ(network.refusalStatus, 4);
    FaultPlan verify = PlanFaults(faults, CMD_VERIFY);
    EXPECT_TRUE(verify.silent);
    EXPECT_EQ(verify.refusalStatus, 3);
    EXPECT_TRUE(verify.broadcast);
    EXPECT_EQ(PlanFaults(faults, CMD_SEARCH).copies, 1);
}

}  // namespace
}  // namespace zerin::devsim
