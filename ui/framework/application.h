// The application object: one per process; its start-up runs the main window modally.
#pragma once

#include <windows.h>

#include "protocol/socket_layer.h"

namespace zerin::ui {

class Dialog;

class Application {
  public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* Current() { return current_; }

    // Start-up; the process ends when it returns.
    virtual bool InitInstance() = 0;

    Dialog* MainWindow() const { return mainWindow_; }

  protected:
    // Starts the sockets support for the process's lifetime, accepting only version 1.1.
    bool InitSocketsSupport(SocketLayer& sockets);
    // Registers the common-control classes the dialog templates use.
    static void RegisterCommonControls();
    void SetMainWindow(Dialog* window) { mainWindow_ = window; }

  private:
    static Application* current_;
    Dialog* mainWindow_ = nullptr;
    SocketLayer* socketsSupport_ = nullptr;
};

}  // namespace zerin::ui
