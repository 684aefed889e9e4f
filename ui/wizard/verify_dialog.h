// The Verify dialog: asks for the administrator's name and password and lets the device decide
// whether they are right, before the setup wizard or the share mapping acts on the device.
#pragma once

#include "protocol/socket_layer.h"
#include "ui/framework/control.h"
#include "ui/framework/message_box_reporter.h"
#include "ui/wizard/device_dialog.h"

namespace zerin::ui {

// Runs modally to IDOK once the device has accepted the name and password, or to IDCANCEL when
// the user gives up. Its OK button is not the dialog's IDOK: only an accepted verification
// ends the dialog with IDOK.
class VerifyDialog : public DeviceDialog {
  public:
    VerifyDialog(HWND parent, SocketLayer& sockets);

    // Enter is the dialog's own: it verifies on the password edit and the OK button, cancels on
    // Cancel, and in every case moves the focus on to the next control.
    bool PreTranslateMessage(MSG& message) override;

  protected:
    void BindControls() override;
    const MessageMap& GetMessageMap() const override;
    BOOL OnInitDialog() override;

  private:
    void OnClickedOk();

    SocketLayer& sockets_;
    MessageBoxReporter reporter_;
    Control okButton_;
    Control passwordEdit_;
    Control nameEdit_;
};

// Runs the Verify dialog over the owner when the device asks for verification. True when the
// caller may go on: the device asks for none, or it accepted the name and password.
bool VerifyIfAsked(HWND owner, SocketLayer& sockets, const DeviceRecord& device);

}  // namespace zerin::ui
