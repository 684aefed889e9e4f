// The sockets layer of the platform this is built for.
#pragma once

#ifdef _WIN32
#include "platform/winsock_socket_layer.h"
namespace zerin {
using PlatformSocketLayer = WinsockSocketLayer;
}
#else
#include "platform/posix_socket_layer.h"
namespace zerin {
using PlatformSocketLayer = PosixSocketLayer;
}
#endif
