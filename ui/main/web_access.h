// Opening a device's own web pages in the user's default browser.
#pragma once

#include <string>

#include "platform/shell.h"
#include "protocol/device_record.h"

namespace zerin::ui {

// "http://" and the device's IP address: no port, no path, no trailing slash.
std::string WebPageUrl(const DeviceRecord& record);

// Hands the device's URL to the shell, hidden and without owner; a failure is silent.
void OpenDeviceWebPage(Shell& shell, const DeviceRecord& record);

}  // namespace zerin::ui
