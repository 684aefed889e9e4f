// The application object's services: sockets support and common-control registration.
#include "ui/framework/application.h"

#include <commctrl.h>

namespace zerin::ui {

namespace {
constexpr uint16_t kSocketsSupportVersion = 0x0101;
}

Application* Application::current_ = nullptr;

Application::Application() {
    current_ = this;
}

Application::~Application() {
    if (socketsSupport_) {
        socketsSupport_->Cleanup();
    }
    current_ = nullptr;
}

bool Application::InitSocketsSupport(SocketLayer& sockets) {
    const SocketLayer::StartResult start = sockets.Startup(kSocketsSupportVersion);
    if (start.error != 0) {
        return false;
    }
    if (start.version != kSocketsSupportVersion) {
        sockets.Cleanup();
        return false;
    }
    socketsSupport_ = &sockets;
    return true;
}

void Application::RegisterCommonControls() {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES |
                                                           ICC_INTERNET_CLASSES |
                                                           ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
}

}  // namespace zerin::ui
