// The scripted drives and connections.
#include "tests/support/scripted_network_drives.h"

#include <cstring>

namespace zerin::testing {

namespace {

std::string Quoted(const char* text) {
    return text ? "\"" + std::string(text) + "\"" : "null";
}

char Letter(const char* name) {
    return name && name[0] ? name[0] : '\0';
}

}  // namespace

std::vector<std::string> ScriptedNetworkDrives::CallsOf(const std::string& function) const {
    std::vector<std::string> found;
    for (const std::string& call : calls) {
        if (call.compare(0, function.size() + 1, function + "(") == 0) {
            found.push_back(call);
        }
    }
    return found;
}

void ScriptedNetworkDrives::AddLocalDrive(char letter, UINT type) {
    drives[letter] = {type, true, "", NO_ERROR};
}

void ScriptedNetworkDrives::AddNetworkDrive(char letter, const std::string& remoteName) {
    drives[letter] = {DRIVE_REMOTE, true, remoteName, NO_ERROR};
}

ScriptedNetworkDrives::Drive* ScriptedNetworkDrives::NetworkDrive(const char* localName) {
    const auto drive = drives.find(Letter(localName));
    return drive != drives.end() && drive->second.type == DRIVE_REMOTE ? &drive->second : nullptr;
}

DWORD ScriptedNetworkDrives::LogicalDrives() {
    calls.push_back("GetLogicalDrives()");
    DWORD mask = 0;
    for (const auto& [letter, drive] : drives) {
        mask |= drive.inUse ? 1u << (letter - 'A') : 0;
    }
    return mask;
}

UINT ScriptedNetworkDrives::DriveType(const char* rootPath) {
    calls.push_back("GetDriveTypeA(" + Quoted(rootPath) + ")");
    const auto drive = drives.find(Letter(rootPath));
    return drive == drives.end() ? DRIVE_NO_ROOT_DIR : drive->second.type;
}

DWORD ScriptedNetworkDrives::GetConnection(const char* localName, char* remoteName, DWORD* length) {
    calls.push_back("WNetGetConnectionA(" + Quoted(localName) + ", " + std::to_string(*length) +
                    ")");
    const Drive* drive = NetworkDrive(localName);
    if (!drive) {
        return ERROR_NOT_CONNECTED;
    }
    if (drive->lookupResult != NO_ERROR) {
        return drive->lookupResult;
    }
    const DWORD needed = static_cast<DWORD>(drive->remoteName.size() + 1);
    if (needed > *length) {
        *length = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(remoteName, drive->remoteName.c_str(), needed);
    return NO_ERROR;
}

DWORD ScriptedNetworkDrives::AddConnection(const NETRESOURCEA& resource, const char* password,
                                           const char* userName, DWORD flags) {
    calls.push_back("WNetAddConnection2A(" + std::to_string(resource.dwType) + ", " +
                    Quoted(resource.lpLocalName) + ", " + Quoted(resource.lpRemoteName) + ", " +
                    Quoted(resource.lpProvider) + ", " + Quoted(password) + ", " +
                    Quoted(userName) + ", " + std::to_string(flags) + ")");
    if (addResult != NO_ERROR) {
        return addResult;
    }
    if (drives.count(Letter(resource.lpLocalName)) != 0) {
        return ERROR_ALREADY_ASSIGNED;
    }
    AddNetworkDrive(Letter(resource.lpLocalName), resource.lpRemoteName);
    return NO_ERROR;
}

DWORD ScriptedNetworkDrives::CancelConnection(const char* name, DWORD flags, BOOL force) {
    calls.push_back("WNetCancelConnection2A(" + Quoted(name) + ", " + std::to_string(flags) + ", " +
                    std::to_string(force) + ")");
    const auto scripted = cancelResults.find(name ? name : "");
    if (scripted != cancelResults.end() && scripted->second != NO_ERROR) {
        return scripted->second;
    }
    if (!NetworkDrive(name)) {
        return ERROR_NOT_CONNECTED;
    }
    drives.erase(Letter(name));
    return NO_ERROR;
}

}  // namespace zerin::testing
