// The drives-and-connections seam: which drive letters are in use, which of them are network
// drives and where they point, and the making and removing of network connections.
#pragma once

#include <windows.h>
#include <winnetwk.h>

namespace zerin {

// Each call is one call of Windows' drive or network-connection API, with its arguments and
// result passed as they are.
class NetworkDrives {
  public:
    virtual ~NetworkDrives() = default;
    // GetLogicalDrives: bit n is set when drive letter A+n is in use.
    virtual DWORD LogicalDrives() = 0;
    // GetDriveTypeA.
    virtual UINT DriveType(const char* rootPath) = 0;
    // WNetGetConnectionA: the remote name of a network drive.
    virtual DWORD GetConnection(const char* localName, char* remoteName, DWORD* length) = 0;
    // WNetAddConnection2A.
    virtual DWORD AddConnection(const NETRESOURCEA& resource, const char* password,
                                const char* userName, DWORD flags) = 0;
    // WNetCancelConnection2A.
    virtual DWORD CancelConnection(const char* name, DWORD flags, BOOL force) = 0;
};

// The real drives and connections of Windows.
class WindowsNetworkDrives : public NetworkDrives {
  public:
    DWORD LogicalDrives() override;
    UINT DriveType(const char* rootPath) override;
    DWORD GetConnection(const char* localName, char* remoteName, DWORD* length) override;
    DWORD AddConnection(const NETRESOURCEA& resource, const char* password, const char* userName,
                        DWORD flags) override;
    DWORD CancelConnection(const char* name, DWORD flags, BOOL force) override;
};

}  // namespace zerin
