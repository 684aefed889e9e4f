// The share mapping's launch: verification, then the Share Mapping dialog.
#include "ui/share/share_mapping_launch.h"

#include "ui/share/share_mapping_dialog.h"
#include "ui/wizard/verify_dialog.h"

namespace zerin::ui {

void RunShareMapping(HWND owner, SocketLayer& sockets, NetworkDrives& drives,
                     const DeviceRecord& device) {
    if (!VerifyIfAsked(owner, sockets, device)) {
        return;
    }
    ShareMappingDialog dialog(owner, drives);
    dialog.SetDevice(&device);
    dialog.DoModal();
}

}  // namespace zerin::ui
