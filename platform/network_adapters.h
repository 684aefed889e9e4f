// The adapters seam: the IPv4 network adapters that are up and running, loopback aside, in the
// system's order; one entry an address, so an adapter with two addresses is listed twice under
// its name.
#pragma once

#include <vector>

#include "protocol/network_adapter.h"

namespace zerin {

class NetworkAdapters {
  public:
    virtual ~NetworkAdapters() = default;
    virtual std::vector<NetworkAdapter> List() = 0;
};

// The adapters of the platform this is built for.
class PlatformNetworkAdapters : public NetworkAdapters {
  public:
    std::vector<NetworkAdapter> List() override;
};

}  // namespace zerin
