// An IPv4 network adapter as a search goes through it: its name, its address and its prefix
// length, and the address arithmetic of its subnet. Listed by the platform; the protocol core
// only sends through the adapters it is given.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zerin {

// Addresses are 32-bit numbers, the first dotted number in the highest byte.
using Ipv4Address = uint32_t;

// 255.255.255.255, the broadcast that reaches the whole link of the adapter it leaves through.
constexpr Ipv4Address kLimitedBroadcast = 0xffffffff;

struct NetworkAdapter {
    std::string name;
    Ipv4Address address = 0;
    int prefixLength = 0;         // 0 to 32
    unsigned interfaceIndex = 0;  // the system's number for the interface, 0 when unknown
};

// The subnet mask of a prefix length: 24 gives 255.255.255.0.
Ipv4Address SubnetMask(int prefixLength);

// The leading one bits of a mask; a mask with ones after a zero counts up to its first zero.
int PrefixLength(Ipv4Address mask);

// The adapter's directed broadcast address, address | ~mask, whatever the system reports.
Ipv4Address BroadcastAddress(const NetworkAdapter& adapter);

// Whether a host on the adapter's subnet may have the address: in the subnet, and neither its
// network nor its broadcast address (which a /31 or /32 does not set aside).
bool IsHostOfSubnet(const NetworkAdapter& adapter, Ipv4Address address);

// Dotted decimal text, and back; nothing for text that is not four numbers 0 to 255.
std::string FormatIpv4(Ipv4Address address);
std::optional<Ipv4Address> ParseIpv4(std::string_view text);

}  // namespace zerin
