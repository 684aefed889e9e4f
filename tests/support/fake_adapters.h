// The adapters seam for tests: a fixed list, one adapter unless a test says otherwise.
#pragma once

#include <vector>

#include "platform/network_adapters.h"

namespace zerin::testing {

struct FakeAdapters : NetworkAdapters {
    std::vector<NetworkAdapter> adapters{{"eth0", 0xc6336401, 24, 2}};  // 198.51.100.1/24
    std::vector<NetworkAdapter> List() override { return adapters; }
};

}  // namespace zerin::testing
