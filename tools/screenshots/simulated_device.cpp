// A simulated device's record through the real search and detail queries.
#include "tools/screenshots/simulated_device.h"

#include "protocol/device_details.h"
#include "protocol/device_search.h"
#include "tests/support/recording_reporter.h"

namespace zerin::screenshots {

std::unique_ptr<DeviceRecord> SelectedDeviceRecord(const testing::DeviceState& device) {
    testing::ScriptedSocketLayer sockets;
    testing::ScriptedDevices scripted(sockets, {device});
    testing::RecordingReporter reporter;
    std::unique_ptr<DeviceRecord> record;
    SearchDevices(sockets, reporter,
                  [&](std::unique_ptr<DeviceRecord> found) { record = std::move(found); });
    if (record) {
        QueryDeviceDetails(sockets, reporter, *record);
    }
    return record;
}

}  // namespace zerin::screenshots
