// The built-in and generated devices are distinct; the built-in ones sit in the test network.
#include "tools/devsim/default_devices.h"

#include <gtest/gtest.h>

#include <set>

namespace zerin::devsim {
namespace {

void ExpectDistinct(const std::vector<DeviceState>& devices) {
    std::set<std::string> names;
    std::set<std::string> ips;
    std::set<MacAddress> macs;
    for (const DeviceState& device : devices) {
        names.insert(device.name);
        ips.insert(device.ip);
        macs.insert(device.mac);
        EXPECT_LE(device.name.size(), kNameWidth) << device.name;
    }
    EXPECT_EQ(names.size(), devices.size());
    EXPECT_EQ(ips.size(), devices.size());
    EXPECT_EQ(macs.size(), devices.size());
}

TEST(DefaultDevices, AreThreeDistinctDevicesOneAskingForAPassword) {
    std::vector<DeviceState> devices = DefaultDevices();
    ASSERT_EQ(devices.size(), 3u);
    ExpectDistinct(devices);
    for (const DeviceState& device : devices) {
        EXPECT_EQ(device.ip.rfind("198.51.100.", 0), 0u) << device.ip;
    }
    EXPECT_EQ(devices[1].passwordFlag, 1);
    EXPECT_EQ(devices[1].adminUser, "admin");
    EXPECT_EQ(devices[1].adminPassword, "secret");
}

TEST(DefaultDevices, LargestBurstIsDistinctFromTheDefaults) {
    std::vector<DeviceState> devices = DefaultDevices();
    for (DeviceState& device : BurstDevices(kMaxBurst)) {
        devices.push_back(device);
    }
    ASSERT_EQ(devices.size(), 3u + kMaxBurst);
    ExpectDistinct(devices);
}

}  // namespace
}  // namespace zerin::devsim
