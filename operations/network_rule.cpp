// Judging a static setup's addresses.
#include "operations/network_rule.h"

#include "protocol/network_adapter.h"

namespace zerin {

namespace {

enum Field { kIp, kMask, kGateway, kDns1, kDns2 };

bool InBlock(Ipv4Address address, Ipv4Address base, int prefixLength) {
    return (address & SubnetMask(prefixLength)) == base;
}

// What keeps the address from being any host's: "" when nothing does.
std::string NotAHost(Ipv4Address address) {
    if (address == kLimitedBroadcast) {
        return "is the broadcast address";
    }
    if (InBlock(address, 0, 8)) {
        return "is no address of a host";
    }
    if (InBlock(address, 0x7f000000, 8)) {
        return "is a loopback address";
    }
    if (InBlock(address, 0xe0000000, 4)) {
        return "is a multicast address";
    }
    if (InBlock(address, 0xf0000000, 4)) {
        return "is a reserved address";
    }
    return "";
}

std::string MaskFault(Ipv4Address mask) {
    const Ipv4Address hostBits = ~mask;
    if ((hostBits & (hostBits + 1)) != 0) {
        return "is not a run of ones then zeros";
    }
    return mask == 0 ? "leaves no bits for the network" : "";
}

std::string Subnet(Ipv4Address ip, Ipv4Address mask) {
    return FormatIpv4(ip & mask) + "/" + std::to_string(PrefixLength(mask));
}

// The IP address among the hosts of its own mask: neither its network nor its broadcast address.
std::string OwnSubnetFault(Ipv4Address ip, Ipv4Address mask) {
    const NetworkAdapter subnet{"", ip, PrefixLength(mask)};
    if (IsHostOfSubnet(subnet, ip)) {
        return "";
    }
    return ((ip & ~mask) == 0 ? "is the network address of " : "is the broadcast address of ") +
           Subnet(ip, mask);
}

// 0.0.0.0 is no gateway at all; any other must be a host of the device's subnet.
std::string GatewayFault(Ipv4Address gateway, Ipv4Address ip, Ipv4Address mask) {
    if (gateway == 0 || IsHostOfSubnet({"", ip, PrefixLength(mask)}, gateway)) {
        return "";
    }
    return "is not a host of the device's subnet " + Subnet(ip, mask);
}

// 0.0.0.0 is no server at all; any other must be a unicast address.
std::string DnsFault(Ipv4Address server) {
    return server == 0 || NotAHost(server).empty() || InBlock(server, 0x7f000000, 8)
               ? ""
               : "is not a unicast address";
}

}  // namespace

std::string LosingAddress(const std::optional<std::string> (&addresses)[5],
                          const AddressNaming& naming) {
    std::optional<Ipv4Address> value[5];
    for (size_t i = 0; i < 5; ++i) {
        value[i] = addresses[i] ? ParseIpv4(*addresses[i]) : std::nullopt;
    }
    const auto fault = [&](size_t i, const std::string& why) {
        return why.empty() ? "" : naming(i) + " " + *addresses[i] + " " + why;
    };
    std::string found;
    const auto judge = [&](size_t i, const std::string& why) {
        if (found.empty()) {
            found = fault(i, why);
        }
    };
    if (value[kMask]) {
        judge(kMask, MaskFault(*value[kMask]));
    }
    if (value[kIp]) {
        judge(kIp, NotAHost(*value[kIp]));
    }
    if (value[kIp] && value[kMask] && found.empty()) {
        judge(kIp, OwnSubnetFault(*value[kIp], *value[kMask]));
        if (value[kGateway]) {
            judge(kGateway, GatewayFault(*value[kGateway], *value[kIp], *value[kMask]));
        }
    }
    for (const size_t dns : {kDns1, kDns2}) {
        if (value[dns]) {
            judge(dns, DnsFault(*value[dns]));
        }
    }
    return found;
}

}  // namespace zerin
