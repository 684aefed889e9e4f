// The setup wizard's launch for the device selected in the main window.
#pragma once

#include <windows.h>

#include "protocol/device_record.h"
#include "protocol/socket_layer.h"

namespace zerin::ui {

// Runs the Verify dialog when the device asks for it, then the wizard frame with its three
// pages, all over the owner and all gone when it returns. True when the wizard ran, finished
// or cancelled, so that the device list must be refreshed; false when the user cancelled the
// verification and nothing was shown after it.
bool RunSetupWizard(HWND owner, SocketLayer& sockets, const DeviceRecord& device);

}  // namespace zerin::ui
