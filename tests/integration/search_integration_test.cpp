// A real search over the platform's sockets against the simulator. Runs only inside a private
// network namespace (tests/integration/search.sh); the expectations come from the environment:
// ZERIN_EXPECTED_NAMES (device names in answer order, comma-separated) or
// ZERIN_EXPECTED_COUNT, and ZERIN_MAX_SEARCH_MS.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/platform_socket_layer.h"
#include "protocol/device_search.h"
#include "tests/support/recording_reporter.h"

namespace zerin {
namespace {

// The platform layer, noting the receive buffer the search was granted.
struct ObservedSocketLayer : PlatformSocketLayer {
    int grantedReceiveBuffer = 0;
    int SetReceiveBuffer(Handle socket, int bytes) override {
        grantedReceiveBuffer = PlatformSocketLayer::SetReceiveBuffer(socket, bytes);
        return grantedReceiveBuffer;
    }
};

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::vector<std::string> Split(const std::string& list) {
    std::vector<std::string> items;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ',');) {
        items.push_back(item);
    }
    return items;
}

TEST(SearchIntegrationTest, FindsEverySimulatedDeviceWithinTheSearchWindow) {
    ObservedSocketLayer sockets;
    testing::RecordingReporter reporter;
    std::vector<std::string> names;
    const auto start = std::chrono::steady_clock::now();
    SearchDevices(sockets, reporter,
                  [&](std::unique_ptr<DeviceRecord> record) { names.push_back(record->name); });
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now() - start)
                             .count();
    std::cout << "found " << names.size() << " devices in " << elapsed
              << " ms; receive buffer granted: " << sockets.grantedReceiveBuffer << " bytes\n";

    EXPECT_TRUE(reporter.messages.empty()) << reporter.messages.front();
    if (!Env("ZERIN_EXPECTED_NAMES").empty()) {
        EXPECT_EQ(names, Split(Env("ZERIN_EXPECTED_NAMES")));
    }
    if (!Env("ZERIN_EXPECTED_COUNT").empty()) {
        EXPECT_EQ(names.size(), std::stoul(Env("ZERIN_EXPECTED_COUNT")));
    }
    if (!Env("ZERIN_MAX_SEARCH_MS").empty()) {
        EXPECT_LE(elapsed, std::stol(Env("ZERIN_MAX_SEARCH_MS")));
    }
}

}  // namespace
}  // namespace zerin
