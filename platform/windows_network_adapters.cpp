// The adapters seam over GetAdaptersAddresses.
#include <winsock2.h>

// After winsock2.h, as the adapters' declarations need it.
#include <iphlpapi.h>
#include <ws2tcpip.h>

#include <vector>

#include "platform/network_adapters.h"

namespace zerin {

namespace {

// The adapters' table, grown until it fits; empty when the system has none to give.
std::vector<unsigned char> AdapterTable() {
    const ULONG flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    ULONG size = 16 * 1024;
    std::vector<unsigned char> table(size);
    for (int attempt = 0; attempt < 4; ++attempt) {
        auto* first = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(table.data());
        const ULONG result = GetAdaptersAddresses(AF_INET, flags, nullptr, first, &size);
        if (result == ERROR_SUCCESS) {
            return table;
        }
        if (result != ERROR_BUFFER_OVERFLOW) {
            break;
        }
        table.resize(size);
    }
    return {};
}

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

void AddAddresses(const IP_ADAPTER_ADDRESSES& adapter, std::vector<NetworkAdapter>& adapters) {
    for (auto* unicast = adapter.FirstUnicastAddress; unicast; unicast = unicast->Next) {
        const sockaddr* address = unicast->Address.lpSockaddr;
        if (address && address->sa_family == AF_INET) {
            const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
            adapters.push_back({Utf8(adapter.FriendlyName), ntohl(ipv4->sin_addr.s_addr),
                                unicast->OnLinkPrefixLength, adapter.IfIndex});
        }
    }
}

}  // namespace

std::vector<NetworkAdapter> PlatformNetworkAdapters::List() {
    std::vector<NetworkAdapter> adapters;
    std::vector<unsigned char> table = AdapterTable();
    if (table.empty()) {
        return adapters;
    }
    for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(table.data()); adapter;
         adapter = adapter->Next) {
        if (adapter->OperStatus == IfOperStatusUp && adapter->IfType != IF_TYPE_SOFTWARE_LOOPBACK) {
            AddAddresses(*adapter, adapters);
        }
    }
    return adapters;
}

}  // namespace zerin
