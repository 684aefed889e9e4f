// Zerin's application object: readies the sockets support and runs the main window.
#pragma once

#include "platform/platform_services.h"
#include "ui/framework/application.h"

namespace zerin {

class ZerinApp : public ui::Application {
  public:
    explicit ZerinApp(const PlatformServices& platform) : platform_(platform) {}

    // Runs the main window modally; false in every case, so the process ends afterwards.
    bool InitInstance() override;

  private:
    const PlatformServices& platform_;
};

}  // namespace zerin
