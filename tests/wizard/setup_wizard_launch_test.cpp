// The Setup Wizard button of the real main window over a scripted device: which windows open,
// and when the device list is refreshed afterwards.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "resources/resource.h"
#include "tests/support/fake_adapters.h"
#include "tests/support/recording_shell.h"
#include "tests/support/scripted_network_drives.h"
#include "tests/wizard/wizard_fixture.h"
#include "ui/main/main_window.h"

namespace zerin::testing {
namespace {

using ::testing::ElementsAre;

// The main window over one device, the device selected; keeps the captions of the windows
// that open over it.
class MainWindowWithDevice {
  public:
    explicit MainWindowWithDevice(uint8_t passwordFlag) : devices(sockets, {Device(passwordFlag)}) {
        RegisterCommonControls();
        window.Create();
        SendMessageW(window.Item(IDC_DEVICE_LIST), LB_SETCURSEL, 0, 0);
        SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_DEVICE_LIST, LBN_SELCHANGE), 0);
    }

    // Each window opening over the main window is handed to the user's action, by its caption.
    void Act(std::function<void(const std::string&, HWND)> action) {
        watcher = std::make_unique<DialogWatcher>([this, action](HWND dialog) {
            if (dialog != window.Handle()) {
                shown.push_back(WindowText(dialog));
                action(shown.back(), dialog);
            }
        });
    }
    // Each search opens its listening socket once, whatever adapters it goes through.
    size_t Searches() const {
        return std::count_if(sockets.calls.begin(), sockets.calls.end(),
                             [](const std::string& call) { return call.rfind("Listen ", 0) == 0; });
    }

    ScriptedSocketLayer sockets;
    ScriptedDevices devices;
    testing::RecordingShell shell;
    ScriptedNetworkDrives drives;
    testing::FakeAdapters adapters;
    PlatformServices platform{sockets, adapters, shell, drives};
    ui::MainWindow window{platform};
    std::unique_ptr<DialogWatcher> watcher;
    std::vector<std::string> shown;

  private:
    static DeviceState Device(uint8_t passwordFlag) {
        DeviceState device;
        device.passwordFlag = passwordFlag;
        return device;
    }
};

void Cancel(const std::string&, HWND dialog) {
    PostClick(dialog, IDCANCEL);
}

void VerifyAndFinish(const std::string& caption, HWND dialog) {
    if (caption == "Verify") {
        SetDlgItemTextA(dialog, IDC_ADMIN_NAME, "admin");
        PostClick(dialog, IDC_VERIFY_OK);
    } else {
        PostClick(dialog, IDC_WIZARD_SKIP);
        PostClick(dialog, IDC_WIZARD_SKIP);
        PostClick(dialog, IDC_WIZARD_NEXT);
    }
}

// Each case: the device's password flag and the user's actions, then the captions of the
// windows shown and whether the device list was searched again afterwards.
TEST(SetupWizardLaunchTest, TheWindowsShownAndTheRefreshFollowVerificationAndWizard) {
    struct Case {
        const char* what;
        uint8_t passwordFlag;
        void (*action)(const std::string&, HWND);
        std::vector<std::string> shown;
        size_t searches;
    };
    const Case cases[] = {
        {"no verification asked, wizard cancelled", 0, Cancel, {"Wizard"}, 1},
        {"verification cancelled", 1, Cancel, {"Verify"}, 0},
        {"verified, wizard finished", 1, VerifyAndFinish, {"Verify", "Wizard"}, 1},
    };
    for (const Case& c : cases) {
        MainWindowWithDevice main(c.passwordFlag);
        main.Act(c.action);
        const size_t searchesBefore = main.Searches();
        Click(main.window.Handle(), IDC_SETUP_WIZARD);
        EXPECT_EQ(main.shown, c.shown) << c.what;
        EXPECT_EQ(main.Searches() - searchesBefore, c.searches) << c.what;
    }
}

TEST(SetupWizardLaunchTest, EnterOnTheSetupWizardButtonOpensTheWizard) {
    MainWindowWithDevice main(0);
    main.Act(Cancel);
    SetFocus(main.window.Item(IDC_SETUP_WIZARD));
    MSG message = KeyDownOnFocus(VK_RETURN);
    EXPECT_TRUE(main.window.PreTranslateMessage(message));
    EXPECT_THAT(main.shown, ElementsAre("Wizard"));
}

}  // namespace
}  // namespace zerin::testing
