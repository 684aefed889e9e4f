// Which devices a request reaches by the address it was sent to, and where their answers go from.
#include "tools/devsim/request_routing.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include "tests/devsim/reply_fields.h"
#include "tools/devsim/default_devices.h"

namespace zerin::devsim {
namespace {

in_addr Address(const char* text) {
    in_addr address{};
    EXPECT_EQ(inet_pton(AF_INET, text, &address), 1) << text;
    return address;
}

// The devices' namespace of scripts/netns-run: loopback and the address on the devices' network.
const std::vector<HostAddress> kDevicesHost = {{Address("127.0.0.1"), Address("255.0.0.0")},
                                               {Address("198.51.100.2"), Address("255.255.255.0")}};

TEST(QueueAnswers, AUnicastReachesItsDeviceAloneABroadcastEveryDevice) {
    const std::vector<std::string> every = {"NETSTOR-000010", "NETSTOR-000011", "NETSTOR-000012"};
    const struct {
        std::optional<const char*> destination;
        std::vector<std::string> names;
        const char* from;
    } cases[] = {
        {"198.51.100.10", {"NETSTOR-000010"}, "198.51.100.10"},
        {"198.51.100.12", {"NETSTOR-000012"}, "198.51.100.12"},
        {"198.51.100.20", {}, ""},
        {"255.255.255.255", every, "*"},
        {"198.51.100.255", every, "*"},
        {std::nullopt, every, "*"},
    };
    const sockaddr_in client{AF_INET, htons(40000), Address("198.51.100.1"), {}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.destination.value_or("unknown"));
        std::vector<DeviceState> devices = DefaultDevices();
        const Arrival arrival{
            client, c.destination ? std::optional(Address(*c.destination)) : std::nullopt};
        SendQueue queue;
        QueueAnswers(devices, Datagram(12, 0), arrival, kDevicesHost, {}, queue);
        std::vector<std::string> names;
        for (const Outgoing& out : queue.PopDue({})) {
            names.push_back(testing::TextAt(out.bytes, 16, 16));
            EXPECT_EQ(PeerText(out.destination), "198.51.100.1:40000");
            EXPECT_EQ(out.source ? AddressText(*out.source) : "*", c.from);
        }
        EXPECT_EQ(names, c.names);
    }
}

TEST(UnicastAddress, OnlySubnetsOfUpTo30BitsHaveABroadcastAddress) {
    const struct {
        const char* destination;
        const char* hostAddress;
        const char* mask;
        bool unicast;
    } cases[] = {
        {"203.0.113.3", "203.0.113.1", "255.255.255.252", false},
        {"203.0.113.11", "203.0.113.10", "255.255.255.254", true},
        {"203.0.113.11", "203.0.113.11", "255.255.255.255", true},
        {"203.0.113.255", "198.51.100.2", "255.255.255.0", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.destination);
        const HostAddress host{Address(c.hostAddress), Address(c.mask)};
        EXPECT_EQ(UnicastAddress(Address(c.destination), {host}).has_value(), c.unicast);
    }
}

}  // namespace
}  // namespace zerin::devsim
