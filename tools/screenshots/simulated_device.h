// The record of a simulated device as the main window holds it once the device is selected, for
// the previews of the windows that act on the selected device.
#pragma once

#include <memory>

#include "protocol/device_record.h"
#include "tests/support/device_replies.h"

namespace zerin::screenshots {

// The record filled by the search and the detail queries from the device's scripted replies;
// null when the device did not answer.
std::unique_ptr<DeviceRecord> SelectedDeviceRecord(const testing::DeviceState& device);

}  // namespace zerin::screenshots
