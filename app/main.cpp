// Zerin.exe's entry point: the real platform services and the application object.
#include <windows.h>

#include "app/zerin_app.h"
#include "platform/winsock_socket_layer.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    zerin::WinsockSocketLayer sockets;
    zerin::PlatformNetworkAdapters adapters;
    zerin::WindowsShell shell;
    zerin::WindowsNetworkDrives drives;
    const zerin::PlatformServices platform{sockets, adapters, shell, drives};
    zerin::ZerinApp app(platform);
    app.InitInstance();
    return 0;
}
