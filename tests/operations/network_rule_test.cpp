// The rule that keeps a static setup from losing its device: every address it refuses, and what
// it lets through.
#include "operations/network_rule.h"

#include <gtest/gtest.h>

namespace zerin {
namespace {

struct Case {
    std::optional<std::string> addresses[5];  // ip, mask, gateway, dns1, dns2
    const char* losing;                       // "" when nothing loses the device
};

std::string Judged(const Case& c) {
    return LosingAddress(c.addresses, [](size_t i) { return std::string(1, "imgdD"[i]); });
}

TEST(NetworkRuleTest, EveryAddressThatLosesTheDeviceIsNamed) {
    const auto none = std::nullopt;
    const Case cases[] = {
        {{none, "255.0.255.0", none, none, none}, "m 255.0.255.0 is not a run of ones then zeros"},
        {{none, "255.255.255.1", none, none, none}, "m 255.255.255.1 is not a run of ones"},
        {{none, "0.0.0.0", none, none, none}, "m 0.0.0.0 leaves no bits for the network"},
        {{"0.0.0.0", none, none, none, none}, "i 0.0.0.0 is no address of a host"},
        {{"0.1.2.3", none, none, none, none}, "i 0.1.2.3 is no address of a host"},
        {{"255.255.255.255", none, none, none, none}, "i 255.255.255.255 is the broadcast address"},
        {{"127.0.0.1", none, none, none, none}, "i 127.0.0.1 is a loopback address"},
        {{"224.0.0.251", none, none, none, none}, "i 224.0.0.251 is a multicast address"},
        {{"240.0.0.1", none, none, none, none}, "i 240.0.0.1 is a reserved address"},
        {{"198.51.100.0", "255.255.255.0", none, none, none},
         "i 198.51.100.0 is the network address of 198.51.100.0/24"},
        {{"198.51.100.255", "255.255.255.0", none, none, none},
         "i 198.51.100.255 is the broadcast address of 198.51.100.0/24"},
        {{"198.51.100.10", "255.255.255.0", "198.51.101.1", none, none},
         "g 198.51.101.1 is not a host of the device's subnet 198.51.100.0/24"},
        {{"198.51.100.10", "255.255.255.0", "198.51.100.255", none, none},
         "g 198.51.100.255 is not a host of the device's subnet 198.51.100.0/24"},
        {{none, none, none, "224.0.0.1", none}, "d 224.0.0.1 is not a unicast address"},
        {{none, none, none, none, "255.255.255.255"}, "D 255.255.255.255 is not a unicast address"},
        {{none, none, none, "0.0.0.7", none}, "d 0.0.0.7 is not a unicast address"},
        // What may stand.
        {{"198.51.100.10", "255.255.255.0", "198.51.100.1", "192.0.2.53", "0.0.0.0"}, ""},
        {{"198.51.100.10", "255.255.255.0", "0.0.0.0", "0.0.0.0", "0.0.0.0"}, ""},
        {{"10.0.0.0", "255.0.0.0", none, none, none},
         "i 10.0.0.0 is the network address of 10.0.0.0/8"},
        {{"10.0.0.1", "255.255.255.254", "10.0.0.0", none, none}, ""},
        {{"10.0.0.1", "255.255.255.255", "0.0.0.0", none, none}, ""},
        {{"10.0.0.5", none, "192.0.2.1", none, none}, ""},
        {{"not an address", "255.255.255.0", none, none, none}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Judged(c).substr(0, std::string(c.losing).size()), c.losing)
            << c.addresses[0].value_or("-") << " " << c.addresses[1].value_or("-");
        EXPECT_EQ(Judged(c).empty(), std::string(c.losing).empty()) << Judged(c);
    }
}

}  // namespace
}  // namespace zerin
