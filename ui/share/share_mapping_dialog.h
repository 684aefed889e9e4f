// The Share Mapping dialog: connects the selected device's shares to local drive letters as
// network connections, and removes such connections, each at once when its button is pressed.
#pragma once

#include <optional>
#include <string>

#include "platform/network_drives.h"
#include "ui/framework/control.h"
#include "ui/framework/list_view.h"
#include "ui/wizard/device_dialog.h"

namespace zerin::ui {

// Its device (SetDevice) is the one whose shares are mapped; the dialog never changes it.
class ShareMappingDialog : public DeviceDialog {
  public:
    ShareMappingDialog(HWND parent, NetworkDrives& drives);

  protected:
    void BindControls() override;
    const MessageMap& GetMessageMap() const override;
    BOOL OnInitDialog() override;

  private:
    void OnClickedMap();
    // Connects the drive to the remote name with the typed credentials; the platform's result.
    DWORD Connect(std::string localName, std::string remoteName);
    void OnClickedUnmap();
    void OnClickedUnmapAll();
    // Removes the row's connection and then the row; true when both went, else the user is told.
    bool UnmapRow(int row);

    // Offers every free letter and every network drive, from Z: to A:.
    void RefreshDriveList();
    // Lists the network drives whose remote name contains the device's address, from Z: to A:.
    void FillMappedList();
    // The remote name of a network drive; none when the lookup fails.
    std::optional<std::string> RemoteNameOf(const std::string& localName);
    // Two backslashes, the device's address, a backslash and the share.
    std::string RemoteName(const std::string& share) const;

    ListView mappedList_;
    Control unmapAllButton_;
    Control unmapButton_;
    Control mapButton_;
    Control driveBox_;
    Control shareBox_;
    Control passwordEdit_;
    Control userNameEdit_;
    NetworkDrives& drives_;
};

}  // namespace zerin::ui
