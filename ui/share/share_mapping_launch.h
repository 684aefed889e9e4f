// The share mapping's launch for the device selected in the main window.
#pragma once

#include <windows.h>

#include "platform/network_drives.h"
#include "protocol/device_record.h"
#include "protocol/socket_layer.h"

namespace zerin::ui {

// Runs the Verify dialog when the device asks for it, then the Share Mapping dialog, both over
// the owner and both gone when it returns. A cancelled verification opens nothing.
void RunShareMapping(HWND owner, SocketLayer& sockets, NetworkDrives& drives,
                     const DeviceRecord& device);

}  // namespace zerin::ui
