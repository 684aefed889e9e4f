// The address arithmetic of an adapter's subnet.
#include "protocol/network_adapter.h"

#include <gtest/gtest.h>

namespace zerin {
namespace {

TEST(NetworkAdapterTest, BroadcastIsTheAddressWithEveryHostBitSet) {
    struct Case {
        const char* address;
        int prefixLength;
        const char* mask;
        const char* broadcast;
    };
    const Case cases[] = {
        {"198.51.100.1", 24, "255.255.255.0", "198.51.100.255"},
        {"203.0.113.130", 25, "255.255.255.128", "203.0.113.255"},
        {"203.0.113.10", 25, "255.255.255.128", "203.0.113.127"},
        {"10.1.2.3", 8, "255.0.0.0", "10.255.255.255"},
        {"192.0.2.5", 32, "255.255.255.255", "192.0.2.5"},
        {"192.0.2.5", 0, "0.0.0.0", "255.255.255.255"},
    };
    for (const Case& c : cases) {
        const NetworkAdapter adapter{"eth0", *ParseIpv4(c.address), c.prefixLength};
        EXPECT_EQ(FormatIpv4(SubnetMask(c.prefixLength)), c.mask) << c.prefixLength;
        EXPECT_EQ(PrefixLength(SubnetMask(c.prefixLength)), c.prefixLength);
        EXPECT_EQ(FormatIpv4(BroadcastAddress(adapter)), c.broadcast)
            << c.address << "/" << c.prefixLength;
    }
    EXPECT_EQ(PrefixLength(*ParseIpv4("255.255.0.255")), 16);
}

TEST(NetworkAdapterTest, DottedAddressesAreFourNumbersUpTo255) {
    EXPECT_EQ(ParseIpv4("198.51.100.255"), 0xc63364ffu);
    EXPECT_EQ(FormatIpv4(0xc63364ffu), "198.51.100.255");
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "1.2.3.256", "1..3.4", "a.b.c.d", "1.2.3.4 ",
                            "0001.2.3.4", "-1.2.3.4", "+1.2.3.4"}) {
        EXPECT_FALSE(ParseIpv4(bad)) << bad;
    }
}

}  // namespace
}  // namespace zerin
