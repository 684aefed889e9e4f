// Shows the real Verify dialog and the real wizard frame with each of its three pages for a
// simulated device, as its user sees them: the record filled by the search and the detail
// queries from the device's scripted replies, the name and password typed into the Verify
// dialog, and the pages reached with Skip, so nothing is written. Saves one BMP file per window
// in the current directory.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <memory>

#include "resources/resource.h"
#include "tools/screenshots/screen_capture.h"
#include "tools/screenshots/simulated_device.h"
#include "ui/wizard/closing_page.h"
#include "ui/wizard/device_settings_page.h"
#include "ui/wizard/network_settings_page.h"
#include "ui/wizard/verify_dialog.h"
#include "ui/wizard/wizard_frame.h"

namespace {

using namespace zerin;

// A device that asks for verification, with a static address.
testing::DeviceState SimulatedDevice() {
    testing::DeviceState device;
    device.name = "NETSTOR-000011";
    device.passwordFlag = 1;
    device.description = "Media shelf - living room";
    device.date = "20231130";
    device.time = "214500";
    device.timeZone = 56;
    device.dns2 = "198.51.100.53";
    return device;
}

// Wine on a display without a window manager draws a process's first window with an inactive
// caption, unlike Windows, so the caption is told that the window is active.
bool Capture(HWND window, const char* file) {
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    screenshots::PumpMessagesFor(600);
    RECT rect;
    GetWindowRect(window, &rect);
    const bool saved = screenshots::SaveScreenRect(rect, file);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", file);
    return saved;
}

bool CaptureVerify(const DeviceRecord& device, SocketLayer& sockets) {
    ui::VerifyDialog dialog(nullptr, sockets);
    dialog.SetDevice(&device);
    dialog.Create();
    ShowWindow(dialog.Handle(), SW_SHOW);
    SetDlgItemTextA(dialog.Handle(), IDC_ADMIN_NAME, "admin");
    SetDlgItemTextA(dialog.Handle(), IDC_ADMIN_PASSWORD, "secret");
    SetFocus(dialog.Item(IDC_ADMIN_PASSWORD));
    return Capture(dialog.Handle(), "141_verify_device.bmp");
}

bool CaptureWizard(const DeviceRecord& device, SocketLayer& sockets) {
    ui::WizardFrame frame(nullptr);
    ui::DeviceSettingsPage devicePage(sockets);
    ui::NetworkSettingsPage networkPage(sockets);
    ui::ClosingPage closingPage;
    frame.SetDevice(&device);
    frame.AddPage(devicePage);
    frame.AddPage(networkPage);
    frame.AddPage(closingPage);
    frame.Create();
    ShowWindow(frame.Handle(), SW_SHOW);
    bool saved = Capture(frame.Handle(), "130_device_settings_page_device.bmp");
    for (const char* file :
         {"131_network_settings_page_device.bmp", "132_closing_page_device.bmp"}) {
        SendMessageW(frame.Handle(), WM_COMMAND, MAKEWPARAM(IDC_WIZARD_SKIP, BN_CLICKED),
                     reinterpret_cast<LPARAM>(frame.Item(IDC_WIZARD_SKIP)));
        saved = Capture(frame.Handle(), file) && saved;
    }
    return saved;
}

}  // namespace

int main() {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    const std::unique_ptr<DeviceRecord> device =
        screenshots::SelectedDeviceRecord(SimulatedDevice());
    if (!device) {
        std::printf("FAILED the simulated device did not answer\n");
        return 1;
    }
    testing::ScriptedSocketLayer sockets;  // nothing is sent: the pages are skipped
    const bool verifySaved = CaptureVerify(*device, sockets);
    const bool wizardSaved = CaptureWizard(*device, sockets);
    return verifySaved && wizardSaved ? 0 : 1;
}
