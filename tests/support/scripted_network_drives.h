// A drives-and-connections layer for unit tests: holds drive letters, their types and their
// connections, changes them as Windows does when a connection is made or removed, and records
// every call with its exact arguments. Nothing reaches the system.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/network_drives.h"

namespace zerin::testing {

class ScriptedNetworkDrives : public NetworkDrives {
  public:
    struct Drive {
        UINT type = DRIVE_FIXED;
        bool inUse = true;              // its bit in the logical drives mask
        std::string remoteName;         // of a network drive
        DWORD lookupResult = NO_ERROR;  // a failure its connection lookup answers with
    };

    // The drives by letter; a letter not held here is free (DRIVE_NO_ROOT_DIR).
    std::map<char, Drive> drives;
    // The result of every connection attempt; with NO_ERROR a free letter is connected.
    DWORD addResult = NO_ERROR;
    // The result of removing a connection, by local name; removal succeeds for any other.
    std::map<std::string, DWORD> cancelResults;

    // Every call in order, written as the call with its arguments: strings in double quotes as
    // they are, absent pointers as null, numbers in decimal.
    std::vector<std::string> calls;
    // The calls to the function of that name.
    std::vector<std::string> CallsOf(const std::string& function) const;

    void AddLocalDrive(char letter, UINT type = DRIVE_FIXED);
    void AddNetworkDrive(char letter, const std::string& remoteName);

    DWORD LogicalDrives() override;
    UINT DriveType(const char* rootPath) override;
    DWORD GetConnection(const char* localName, char* remoteName, DWORD* length) override;
    DWORD AddConnection(const NETRESOURCEA& resource, const char* password, const char* userName,
                        DWORD flags) override;
    DWORD CancelConnection(const char* name, DWORD flags, BOOL force) override;

  private:
    // The network drive of a local name such as "K:", or null.
    Drive* NetworkDrive(const char* localName);
};

}  // namespace zerin::testing
