// The setup wizard's launch: verification, then the frame with its pages in their order.
#include "ui/wizard/setup_wizard_launch.h"

#include "ui/wizard/closing_page.h"
#include "ui/wizard/device_settings_page.h"
#include "ui/wizard/network_settings_page.h"
#include "ui/wizard/verify_dialog.h"
#include "ui/wizard/wizard_frame.h"

namespace zerin::ui {

bool RunSetupWizard(HWND owner, SocketLayer& sockets, const DeviceRecord& device) {
    if (!VerifyIfAsked(owner, sockets, device)) {
        return false;
    }
    WizardFrame frame(owner);
    frame.SetDevice(&device);
    DeviceSettingsPage devicePage(sockets);
    NetworkSettingsPage networkPage(sockets);
    ClosingPage closingPage;
    frame.AddPage(devicePage);
    frame.AddPage(networkPage);
    frame.AddPage(closingPage);
    frame.DoModal();
    return true;
}

}  // namespace zerin::ui
