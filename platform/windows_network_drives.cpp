// The drives-and-connections seam over Windows' drive and network-connection API.
#include "platform/network_drives.h"

namespace zerin {

DWORD WindowsNetworkDrives::LogicalDrives() {
    return ::GetLogicalDrives();
}

UINT WindowsNetworkDrives::DriveType(const char* rootPath) {
    return ::GetDriveTypeA(rootPath);
}

DWORD WindowsNetworkDrives::GetConnection(const char* localName, char* remoteName, DWORD* length) {
    return ::WNetGetConnectionA(localName, remoteName, length);
}

DWORD WindowsNetworkDrives::AddConnection(const NETRESOURCEA& resource, const char* password,
                                          const char* userName, DWORD flags) {
    // The call only reads the resource; its declaration predates const.
    return ::WNetAddConnection2A(const_cast<NETRESOURCEA*>(&resource), password, userName, flags);
}

DWORD WindowsNetworkDrives::CancelConnection(const char* name, DWORD flags, BOOL force) {
    return ::WNetCancelConnection2A(name, flags, force);
}

}  // namespace zerin
