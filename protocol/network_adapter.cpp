// The address arithmetic of an adapter's subnet.
#include "protocol/network_adapter.h"

#include <charconv>

namespace zerin {

Ipv4Address SubnetMask(int prefixLength) {
    if (prefixLength <= 0) {
        return 0;
    }
    return prefixLength >= 32 ? 0xffffffff : ~(0xffffffffu >> prefixLength);
}

int PrefixLength(Ipv4Address mask) {
    int length = 0;
    while (length < 32 && (mask & (0x80000000u >> length)) != 0) {
        ++length;
    }
    return length;
}

Ipv4Address BroadcastAddress(const NetworkAdapter& adapter) {
    return adapter.address | ~SubnetMask(adapter.prefixLength);
}

bool IsHostOfSubnet(const NetworkAdapter& adapter, Ipv4Address address) {
    const Ipv4Address mask = SubnetMask(adapter.prefixLength);
    if ((address & mask) != (adapter.address & mask)) {
        return false;
    }
    return adapter.prefixLength >= 31 ||
           (address != (address & mask) && address != BroadcastAddress(adapter));
}

std::string FormatIpv4(Ipv4Address address) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        text += std::to_string((address >> shift) & 0xff) + (shift > 0 ? "." : "");
    }
    return text;
}

std::optional<Ipv4Address> ParseIpv4(std::string_view text) {
    Ipv4Address address = 0;
    const char* next = text.data();
    const char* const end = text.data() + text.size();
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && (next == end || *next++ != '.')) {
            return std::nullopt;
        }
        unsigned value = 0;
        const auto [stop, error] = std::from_chars(next, end, value);
        if (error != std::errc() || stop == next || stop - next > 3 || value > 255 ||
            (*next < '0' || *next > '9')) {
            return std::nullopt;
        }
        address = address << 8 | value;
        next = stop;
    }
    return next == end ? std::optional<Ipv4Address>(address) : std::nullopt;
}

}  // namespace zerin
