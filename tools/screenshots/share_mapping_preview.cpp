// Shows the real Share Mapping dialog for a simulated device as its user sees it: the record
// filled by the search and the detail queries from the device's scripted replies, the share
// list open with the device's share names, scripted drives with one share of the device mapped
// already; saves the picture as 105_share_mapping_device.bmp in the current directory.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <memory>

#include "resources/resource.h"
#include "tests/support/scripted_network_drives.h"
#include "tools/screenshots/screen_capture.h"
#include "tools/screenshots/simulated_device.h"
#include "ui/share/share_mapping_dialog.h"

namespace {

using namespace zerin;

// The simulated device, with four shares to choose from.
std::unique_ptr<DeviceRecord> SimulatedDevice() {
    testing::DeviceState state;
    state.shares = {"Public", "Scans", "Photos", "Backup"};
    return screenshots::SelectedDeviceRecord(state);
}

// A local disk and a CD drive, the device's Public share mapped to Z:, a share of another
// server on Y:.
void SetUpDrives(testing::ScriptedNetworkDrives& drives, const DeviceRecord& device) {
    drives.AddLocalDrive('C');
    drives.AddLocalDrive('D', DRIVE_CDROM);
    drives.AddNetworkDrive('Z', "\\\\" + std::string(device.ipAddress) + "\\Public");
    drives.AddNetworkDrive('Y', "\\\\203.0.113.9\\music");
}

void Fill(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_MAP_USER_NAME, "admin");
    SetDlgItemTextA(dialog, IDC_MAP_PASSWORD, "secret");
    SendDlgItemMessageA(dialog, IDC_MAP_DRIVE, CB_SETCURSEL, 2, 0);  // X:, after Z: and Y:
    SendDlgItemMessageA(dialog, IDC_MAP_SHARE, CB_SETCURSEL, 1, 0);
}

// The share list dropped down, as the user opens it to choose a share. Wine on a display
// without a window manager draws a process's first window with an inactive caption, unlike
// Windows, so the caption is told that the dialog is active.
void OpenShareList(HWND dialog) {
    SendMessageW(dialog, WM_NCACTIVATE, TRUE, 0);
    SetFocus(GetDlgItem(dialog, IDC_MAP_SHARE));
    SendDlgItemMessageA(dialog, IDC_MAP_SHARE, CB_SHOWDROPDOWN, TRUE, 0);
}

}  // namespace

int main() {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const std::unique_ptr<DeviceRecord> device = SimulatedDevice();
    if (!device) {
        std::printf("FAILED the simulated device did not answer\n");
        return 1;
    }
    testing::ScriptedNetworkDrives drives;
    SetUpDrives(drives, *device);
    ui::ShareMappingDialog dialog(nullptr, drives);
    dialog.SetDevice(device.get());
    dialog.Create();
    ShowWindow(dialog.Handle(), SW_SHOW);
    Fill(dialog.Handle());
    screenshots::PumpMessagesFor(300);
    OpenShareList(dialog.Handle());
    screenshots::PumpMessagesFor(600);
    RECT rect;
    GetWindowRect(dialog.Handle(), &rect);
    const bool saved = screenshots::SaveScreenRect(rect, "105_share_mapping_device.bmp");
    std::printf("%s 105_share_mapping_device.bmp\n", saved ? "saved" : "FAILED");
    return saved ? 0 : 1;
}
