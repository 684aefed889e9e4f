// The Share Mapping dialog: its controls, message map, initialisation and the three actions.
#include "ui/share/share_mapping_dialog.h"

#include "resources/resource.h"
#include "ui/framework/message_box.h"

namespace zerin::ui {

namespace {

constexpr WPARAM kUserNameLimit = 32;
constexpr WPARAM kPasswordLimit = 8;
constexpr size_t kRemoteNameLimit = 63;
// The connection lookup's buffer: remote names of up to 79 characters.
constexpr DWORD kLookupBufferSize = 80;

void AddItem(const Control& comboBox, const std::string& text) {
    comboBox.Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsFree(DWORD drivesInUse, char letter) {
    return (drivesInUse & (1u << (letter - 'A'))) == 0;
}

}  // namespace

ShareMappingDialog::ShareMappingDialog(HWND parent, NetworkDrives& drives)
    : DeviceDialog(IDD_SHARE_MAPPING, parent, IDB_SKIN_SHARE_MAPPING, Scheme::kStretched),
      drives_(drives) {}

void ShareMappingDialog::BindControls() {
    Bind(mappedList_, IDC_MAPPED_LIST);
    Bind(unmapAllButton_, IDC_UNMAP_ALL);
    Bind(unmapButton_, IDC_UNMAP);
    Bind(mapButton_, IDC_MAP);
    Bind(driveBox_, IDC_MAP_DRIVE);
    Bind(shareBox_, IDC_MAP_SHARE);
    Bind(passwordEdit_, IDC_MAP_PASSWORD);
    Bind(userNameEdit_, IDC_MAP_USER_NAME);
}

const Dialog::MessageMap& ShareMappingDialog::GetMessageMap() const {
    static const MessageMap map = {
        OnCommand(BN_CLICKED, IDC_MAP, &ShareMappingDialog::OnClickedMap),
        OnCommand(BN_CLICKED, IDC_UNMAP, &ShareMappingDialog::OnClickedUnmap),
        OnCommand(BN_CLICKED, IDC_UNMAP_ALL, &ShareMappingDialog::OnClickedUnmapAll),
        OnMessage(WM_PAINT, &ShareMappingDialog::OnPaintSkin),
        OnColourRequests(&ShareMappingDialog::OnColourByKind),
    };
    return map;
}

BOOL ShareMappingDialog::OnInitDialog() {
    userNameEdit_.Send(EM_LIMITTEXT, kUserNameLimit);
    passwordEdit_.Send(EM_LIMITTEXT, kPasswordLimit);
    // Whatever share is typed, the remote name stays within its limit.
    shareBox_.Send(CB_LIMITTEXT, kRemoteNameLimit - RemoteName("").size());
    mappedList_.SetUpColumns({{"Share name", 240}, {"Location", 208}});
    if (Device().shareList) {
        for (const ShareNameEntry& share : *Device().shareList) {
            AddItem(shareBox_, share.Name());
        }
    }
    RefreshDriveList();
    FillMappedList();
    return TRUE;
}

void ShareMappingDialog::OnClickedMap() {
    const std::string share = shareBox_.Text();
    const std::string localName =
        driveBox_.Text().substr(0, 2);  // a network drive item: its letter
    if (share.empty() || localName.empty()) {
        return;
    }
    const std::string remoteName = RemoteName(share);
    if (remoteName.size() > kRemoteNameLimit || Connect(localName, remoteName) != NO_ERROR) {
        AppMessageBox(std::string("Map failed!"));
        return;
    }
    mappedList_.AppendRow({remoteName, localName});
    RefreshDriveList();
}

DWORD ShareMappingDialog::Connect(std::string localName, std::string remoteName) {
    NETRESOURCEA resource{};
    resource.dwType = RESOURCETYPE_ANY;
    resource.lpLocalName = localName.data();
    resource.lpRemoteName = remoteName.data();
    resource.lpProvider = nullptr;  // whichever network provider the name belongs to
    // Not remembered for later logons. Empty credentials go as empty texts, not absent ones.
    return drives_.AddConnection(resource, passwordEdit_.Text().c_str(),
                                 userNameEdit_.Text().c_str(), 0);
}

void ShareMappingDialog::OnClickedUnmap() {
    const int row = mappedList_.FirstSelectedRow();
    if (row >= 0 && UnmapRow(row)) {
        RefreshDriveList();
    }
}

void ShareMappingDialog::OnClickedUnmapAll() {
    for (int row = mappedList_.RowCount() - 1; row >= 0; --row) {
        UnmapRow(row);
    }
    RefreshDriveList();
}

bool ShareMappingDialog::UnmapRow(int row) {
    const std::string localName = mappedList_.CellText(row, 1);
    if (drives_.CancelConnection(localName.c_str(), CONNECT_UPDATE_PROFILE, FALSE) != NO_ERROR) {
        AppMessageBox(std::string("Unmap failed!"));
        return false;
    }
    mappedList_.DeleteRow(row);
    return true;
}

void ShareMappingDialog::RefreshDriveList() {
    // One by one, so the text in the combo box's field stays.
    for (LRESULT item = driveBox_.Send(CB_GETCOUNT) - 1; item >= 0; --item) {
        driveBox_.Send(CB_DELETESTRING, item);
    }
    const DWORD inUse = drives_.LogicalDrives();
    for (char letter = 'Z'; letter >= 'A'; --letter) {
        const std::string localName{letter, ':'};
        if (drives_.DriveType(localName.c_str()) == DRIVE_REMOTE) {
            // Also when the lookup fails, so that a drive in use never looks free.
            AddItem(driveBox_, localName + "  " + RemoteNameOf(localName).value_or(""));
        } else if (IsFree(inUse, letter)) {
            AddItem(driveBox_, localName);
        }
    }
}

void ShareMappingDialog::FillMappedList() {
    for (char letter = 'Z'; letter >= 'A'; --letter) {
        const std::string localName{letter, ':'};
        if (drives_.DriveType(localName.c_str()) != DRIVE_REMOTE) {
            continue;
        }
        const std::optional<std::string> remoteName = RemoteNameOf(localName);
        if (remoteName && remoteName->find(Device().ipAddress) != std::string::npos) {
            mappedList_.AppendRow({*remoteName, localName});
        }
    }
}

std::optional<std::string> ShareMappingDialog::RemoteNameOf(const std::string& localName) {
    // A fresh buffer and length for every lookup: a failed lookup may have changed the length.
    char remoteName[kLookupBufferSize] = {};
    DWORD length = kLookupBufferSize;
    if (drives_.GetConnection(localName.c_str(), remoteName, &length) != NO_ERROR) {
        return std::nullopt;
    }
    return std::string(remoteName);
}

std::string ShareMappingDialog::RemoteName(const std::string& share) const {
    return "\\\\" + std::string(Device().ipAddress) + "\\" + share;
}

}  // namespace zerin::ui
