// The share mapping's launch from the main window's Share Mapping button: the Verify dialog only
// for a device that asks for it, the Share Mapping dialog only after an accepted verification,
// and no device list refresh afterwards.
#include <windows.h>

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/device_replies.h"
#include "tests/support/dialog_watcher.h"
#include "tests/support/fake_adapters.h"
#include "tests/support/recording_shell.h"
#include "tests/support/scripted_network_drives.h"
#include "ui/main/main_window.h"

namespace zerin::ui {
namespace {

using testing::ComboItems;
using testing::DeviceState;
using testing::WindowText;

class ShareMappingLaunchTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
    }

    // The main window with one device asking for verification or not, its line selected.
    void OpenWithDevice(uint8_t passwordFlag) {
        DeviceState device;
        device.passwordFlag = passwordFlag;
        scripted = std::make_unique<testing::ScriptedDevices>(sockets, std::vector{device});
        window = std::make_unique<MainWindow>(platform);
        ASSERT_NE(window->Create(), nullptr);
        SendMessageW(window->Item(IDC_DEVICE_LIST), LB_SETCURSEL, 0, 0);
        Press(IDC_DEVICE_LIST, LBN_SELCHANGE);
        scripted->requests.clear();
    }
    void Press(int id, int code = BN_CLICKED) {
        SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(window->Item(id)));
    }
    // Presses Share Mapping; the Verify dialog is accepted or cancelled, the Share Mapping
    // dialog closed. Returns each dialog that opened, the Share Mapping dialog with its shares.
    std::vector<std::string> PressShareMapping(bool acceptVerification) {
        std::vector<std::string> opened;
        testing::DialogWatcher watcher([&](HWND dialog) {
            const std::string caption = WindowText(dialog);
            if (dialog == window->Handle()) {
                return;  // active again once the dialogs have gone
            }
            if (caption == "Share Mapping") {
                const auto shares = ComboItems(dialog, IDC_MAP_SHARE);
                opened.push_back(caption + ": " + ::testing::PrintToString(shares));
            } else {
                opened.push_back(caption);
            }
            const bool verify = caption == "Verify" && acceptVerification;
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(verify ? IDC_VERIFY_OK : IDCANCEL, 0), 0);
        });
        Press(IDC_SHARE_MAPPING);
        return opened;
    }
    std::vector<int> CommandsSent() const {
        std::vector<int> commands;
        for (const testing::Bytes& request : scripted->requests) {
            commands.push_back(request[0]);
        }
        return commands;
    }

    testing::ScriptedSocketLayer sockets;
    testing::RecordingShell shell;
    testing::ScriptedNetworkDrives drives;
    testing::FakeAdapters adapters;
    PlatformServices platform{sockets, adapters, shell, drives};
    std::unique_ptr<testing::ScriptedDevices> scripted;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ShareMappingLaunchTest, VerifiesOnlyWhenTheDeviceAsksAndMapsOnlyAfterAnAcceptance) {
    struct Case {
        uint8_t passwordFlag;
        bool accept;
        std::vector<std::string> opened;
        std::vector<int> sent;
    };
    const std::string mapping = "Share Mapping: { \"Public\", \"Scans\" }";
    const Case cases[] = {
        {0, false, {mapping}, {}},
        {1, true, {"Verify", mapping}, {CMD_VERIFY}},
        {1, false, {"Verify"}, {}},
        {0x80, false, {"Verify"}, {}},
    };
    for (const Case& c : cases) {
        OpenWithDevice(c.passwordFlag);
        EXPECT_EQ(PressShareMapping(c.accept), c.opened) << int{c.passwordFlag} << c.accept;
        // No refresh afterwards: nothing but the verification went to the device.
        EXPECT_EQ(CommandsSent(), c.sent) << int{c.passwordFlag} << c.accept;
    }
}

TEST_F(ShareMappingLaunchTest, WithoutASelectedDeviceNothingOpens) {
    OpenWithDevice(0);
    SendMessageW(window->Item(IDC_DEVICE_LIST), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_THAT(PressShareMapping(true), ::testing::IsEmpty());
    EXPECT_THAT(drives.calls, ::testing::IsEmpty());
}

}  // namespace
}  // namespace zerin::ui
