// The devices served without a configuration file, and the generated devices of a burst.
#pragma once

#include <vector>

#include "tools/devsim/device_state.h"

namespace zerin::devsim {

constexpr int kMaxBurst = 200;

// Three devices at 198.51.100.10 to .12; the second asks for admin / secret.
std::vector<DeviceState> DefaultDevices();

// count devices (1 to kMaxBurst) named BURST-0001 and up, MACs 02:5a:00:01:00:01 and up,
// addresses 198.51.100.50 and up, each with one share and one USB entry.
std::vector<DeviceState> BurstDevices(int count);

}  // namespace zerin::devsim
