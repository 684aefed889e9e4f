// Start-up of the application.
#include "app/zerin_app.h"

#include "resources/resource.h"
#include "ui/framework/message_box.h"
#include "ui/framework/resource_string.h"
#include "ui/main/main_window.h"

namespace zerin {

bool ZerinApp::InitInstance() {
    if (!InitSocketsSupport(platform_.sockets)) {
        // Chinese text: shown through the wide-character call so it reads right on any system.
        ui::AppMessageBox(ui::LoadResourceString(IDS_SOCKETS_INIT_FAILED));
        return false;
    }
    RegisterCommonControls();
    ui::MainWindow window(platform_);
    SetMainWindow(&window);
    window.DoModal();
    SetMainWindow(nullptr);
    return false;
}

}  // namespace zerin
