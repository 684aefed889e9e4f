// The adapters seam over getifaddrs.
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include "platform/network_adapters.h"

namespace zerin {

namespace {

Ipv4Address AddressOf(const sockaddr* address) {
    return ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
}

bool IsUpIpv4(const ifaddrs& entry) {
    return entry.ifa_addr != nullptr && entry.ifa_addr->sa_family == AF_INET &&
           (entry.ifa_flags & IFF_UP) != 0 && (entry.ifa_flags & IFF_RUNNING) != 0 &&
           (entry.ifa_flags & IFF_LOOPBACK) == 0;
}

}  // namespace

std::vector<NetworkAdapter> PlatformNetworkAdapters::List() {
    std::vector<NetworkAdapter> adapters;
    ifaddrs* entries = nullptr;
    if (getifaddrs(&entries) != 0) {
        return adapters;
    }
    for (const ifaddrs* entry = entries; entry != nullptr; entry = entry->ifa_next) {
        if (IsUpIpv4(*entry)) {
            const int prefix =
                entry->ifa_netmask ? PrefixLength(AddressOf(entry->ifa_netmask)) : 32;
            adapters.push_back({entry->ifa_name, AddressOf(entry->ifa_addr), prefix,
                                if_nametoindex(entry->ifa_name)});
        }
    }
    freeifaddrs(entries);
    return adapters;
}

}  // namespace zerin
