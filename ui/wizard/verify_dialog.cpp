// The Verify dialog: its controls, the verification on OK and the Enter rule.
#include "ui/wizard/verify_dialog.h"

#include "protocol/administrator_verification.h"
#include "resources/resource.h"

namespace zerin::ui {

namespace {

// The widths of the verification request's name and password fields.
constexpr int kNameLimit = 16;
constexpr int kPasswordLimit = 8;

}  // namespace

VerifyDialog::VerifyDialog(HWND parent, SocketLayer& sockets)
    : DeviceDialog(IDD_VERIFY, parent, IDB_SKIN_VERIFY, Scheme::kAnchored), sockets_(sockets) {}

void VerifyDialog::BindControls() {
    Bind(okButton_, IDC_VERIFY_OK);
    Bind(passwordEdit_, IDC_ADMIN_PASSWORD);
    Bind(nameEdit_, IDC_ADMIN_NAME);
}

const Dialog::MessageMap& VerifyDialog::GetMessageMap() const {
    static const MessageMap map = {
        OnCommand(BN_CLICKED, IDC_VERIFY_OK, &VerifyDialog::OnClickedOk),
        OnMessage(WM_PAINT, &VerifyDialog::OnPaintSkin),
        OnColourRequests(&VerifyDialog::OnColourByKind),
    };
    return map;
}

// The focus stays where the system puts it: on Cancel, the template's first tab stop.
BOOL VerifyDialog::OnInitDialog() {
    nameEdit_.Send(EM_LIMITTEXT, kNameLimit);
    passwordEdit_.Send(EM_LIMITTEXT, kPasswordLimit);
    return TRUE;
}

void VerifyDialog::OnClickedOk() {
    okButton_.Enable(false);
    const VerificationResult result = VerifyAdministrator(
        sockets_, reporter_, Device().macAddress, nameEdit_.Text(), passwordEdit_.Text(),
        ForVerification(TowardsDevice(Device()), Device()));
    // Enabled again on every path, also when the network could not be opened, so that the
    // user can try again.
    okButton_.Enable(true);
    if (result.verification == Verification::kAccepted) {
        EndModal(IDOK);
    }
}

bool VerifyDialog::PreTranslateMessage(MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) {
        return DeviceDialog::PreTranslateMessage(message);
    }
    switch (GetDlgCtrlID(GetFocus())) {
        case IDC_ADMIN_PASSWORD:
        case IDC_VERIFY_OK:
            OnClickedOk();
            break;
        case IDCANCEL:
            OnCancel();
            break;
        default:
            break;
    }
    SendMessageW(Handle(), WM_NEXTDLGCTL, 0, 0);
    return true;
}

bool VerifyIfAsked(HWND owner, SocketLayer& sockets, const DeviceRecord& device) {
    if (device.passwordFlag == 0) {
        return true;
    }
    VerifyDialog dialog(owner, sockets);
    dialog.SetDevice(&device);
    // Only an accepted verification lets the caller go on; a dialog that could not even be
    // created does not.
    return dialog.DoModal() == IDOK;
}

}  // namespace zerin::ui
