// Start-up of the application object over scripted sockets.
#include "app/zerin_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/dialog_watcher.h"
#include "tests/support/fake_adapters.h"
#include "tests/support/recording_shell.h"
#include "tests/support/scripted_network_drives.h"
#include "tests/support/scripted_socket_layer.h"

namespace zerin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ZerinAppTest : public ::testing::Test {
  protected:
    // Runs start-up, closing every window it opens with Escape's result, and returns the
    // titles of the windows that opened.
    std::vector<std::string> StartUp() {
        std::vector<std::string> opened;
        testing::DialogWatcher watcher([&](HWND window) {
            opened.push_back(testing::WindowText(window));
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        });
        ZerinApp app(platform);
        EXPECT_FALSE(app.InitInstance());
        return opened;
    }

    testing::ScriptedSocketLayer sockets;
    testing::RecordingShell shell;
    testing::ScriptedNetworkDrives drives;
    testing::FakeAdapters adapters;
    PlatformServices platform{sockets, adapters, shell, drives};
};

TEST_F(ZerinAppTest, StartsTheSocketsSupportAtVersionOneOneAndRunsTheMainWindow) {
    EXPECT_THAT(StartUp(), ElementsAre("Network Setup Utility"));
    ASSERT_FALSE(sockets.calls.empty());
    EXPECT_EQ(sockets.calls.front(), "Startup 257");
    // The search's own start and release nest inside the support, which ends with the app.
    EXPECT_EQ(sockets.startups, sockets.cleanups);
    EXPECT_EQ(sockets.calls.back(), "Cleanup");
}

TEST_F(ZerinAppTest, OnlyTheFailureMessageShowsWhenVersionOneOneIsNotGranted) {
    struct Case {
        const char* what;
        int startupError;
        int grantedVersion;
    };
    const Case cases[] = {{"start fails", 10091, -1}, {"version 2.2 granted", 0, 0x0202}};
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer layer;
        layer.startupError = c.startupError;
        layer.grantedVersion = c.grantedVersion;
        PlatformServices services{layer, adapters, shell, drives};
        testing::MessageBoxCatcher catcher;
        std::vector<std::string> others;
        testing::DialogWatcher watcher([&](HWND window) {
            if (testing::WindowText(window) != "zerin_app_test") {
                others.push_back(testing::WindowText(window));
            }
        });
        ZerinApp app(services);
        EXPECT_FALSE(app.InitInstance()) << c.what;
        EXPECT_THAT(catcher.texts, ElementsAre("Windows 通信端口初始化失败。")) << c.what;
        EXPECT_THAT(others, IsEmpty()) << c.what;
        EXPECT_THAT(layer.sent, IsEmpty()) << c.what;
        EXPECT_EQ(layer.startups, layer.cleanups) << c.what;
    }
}

}  // namespace
}  // namespace zerin
