// The seams at the platform's edge that the windows use: the real ones in the program, scripted
// ones in tests.
#pragma once

#include "platform/network_adapters.h"
#include "platform/network_drives.h"
#include "platform/shell.h"
#include "protocol/socket_layer.h"

namespace zerin {

struct PlatformServices {
    SocketLayer& sockets;
    NetworkAdapters& adapters;
    Shell& shell;
    NetworkDrives& drives;
};

}  // namespace zerin
