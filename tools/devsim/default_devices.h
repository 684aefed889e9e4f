// The devices served without a configuration file, and the generated devices of a burst.
#pragma once

#include <vector>

#include "tools/devsim/device_state.h"

namespace zerin::devsim {

constexpr int kMaxBurst = 9999;

// Three devices at 198.51.100.10 to .12; the second asks for admin / secret.
std::vector<DeviceState> DefaultDevices();

// count devices (1 to kMaxBurst) named BURST-0001 and up, MACs 02:5a:00:01:00:01 and up, and
// addresses 198.18.0.1 and up (device n has 198.18.n/256.n%256), each with one share and one USB
// entry. Their addresses are data only: answers go to the sender of the request.
std::vector<DeviceState> BurstDevices(int count);

}  // namespace zerin::devsim
