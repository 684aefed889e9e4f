// The real main window from the real template over scripted sockets and a recording shell,
// driven with the messages a user's actions produce.
#include "ui/main/main_window.h"

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/device_replies.h"
#include "tests/support/dialog_watcher.h"
#include "tests/support/fake_adapters.h"
#include "tests/support/recording_shell.h"
#include "tests/support/scripted_network_drives.h"

namespace zerin::ui {
namespace {

using testing::DeviceState;
using testing::DialogWatcher;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ItemText;
using testing::MessageBoxCatcher;
using testing::RecordingShell;
using testing::ScriptedDevices;
using testing::ShellCall;

DeviceState SecondDevice() {
    DeviceState device;
    device.name = "NETSTOR-000011";
    device.mac = {0x02, 0x5a, 0x00, 0x00, 0x00, 0x11};
    device.ip = "198.51.100.11";
    device.ipStatus = 1;
    device.firmware = "0203";
    device.description = "Media shelf";
    device.usb = {{"Media", "USB1-0123456789AB", "NTFS", 2147483648u, 7}};
    return device;
}

class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&classes);
    }

    void Open(std::vector<DeviceState> devices = {DeviceState(), SecondDevice()}) {
        scripted = std::make_unique<ScriptedDevices>(sockets, std::move(devices));
        ASSERT_NE(window.Create(), nullptr);
    }

    void Select(int line) {
        SendMessageW(window.Item(IDC_DEVICE_LIST), LB_SETCURSEL, line, 0);
        Notify(IDC_DEVICE_LIST, LBN_SELCHANGE);
    }
    void Notify(int id, int code) {
        SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(window.Item(id)));
    }
    void PressEnterOn(int id) {
        SetFocus(window.Item(id));
        MSG message{};
        message.hwnd = GetFocus();
        message.message = WM_KEYDOWN;
        message.wParam = VK_RETURN;
        EXPECT_TRUE(window.PreTranslateMessage(message));
    }

    bool Enabled(int id) { return IsWindowEnabled(window.Item(id)); }
    std::vector<bool> DeviceButtons() {
        return {Enabled(IDC_SHARE_MAPPING), Enabled(IDC_ACCESS_WEB), Enabled(IDC_SETUP_WIZARD)};
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        HWND list = window.Item(IDC_DEVICE_LIST);
        for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
            char text[64] = {};
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            lines.push_back(text);
        }
        return lines;
    }
    std::vector<std::string> DetailTexts() {
        return {
            ItemText(window.Handle(), IDC_FIRMWARE_VERSION),
            ItemText(window.Handle(), IDC_IP_ADDRESS), ItemText(window.Handle(), IDC_DESCRIPTION),
            ItemText(window.Handle(), IDC_IP_STATUS), ItemText(window.Handle(), IDC_MAC_ADDRESS)};
    }
    std::vector<std::vector<std::string>> UsbRows() {
        std::vector<std::vector<std::string>> rows;
        HWND view = window.Item(IDC_USB_LIST);
        for (int row = 0; row < SendMessageW(view, LVM_GETITEMCOUNT, 0, 0); ++row) {
            rows.emplace_back();
            for (int column = 0; column < 5; ++column) {
                char text[64] = {};
                LVITEMA item{};
                item.iSubItem = column;
                item.pszText = text;
                item.cchTextMax = sizeof text;
                SendMessageA(view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
                rows.back().push_back(text);
            }
        }
        return rows;
    }

    testing::ScriptedSocketLayer sockets;
    RecordingShell shell;
    testing::ScriptedNetworkDrives drives;
    testing::FakeAdapters adapters;
    PlatformServices platform{sockets, adapters, shell, drives};
    std::unique_ptr<ScriptedDevices> scripted;
    MainWindow window{platform};
};

TEST_F(MainWindowTest, StartUpListsEachDeviceOnceWithOnlyRefreshAboutAndQuitUsable) {
    Open({DeviceState(), SecondDevice(), DeviceState()});
    EXPECT_THAT(Lines(), ElementsAre("NETSTOR-000010", "NETSTOR-000011"));
    EXPECT_EQ(window.Devices().size(), 2u);
    EXPECT_EQ(testing::WindowText(window.Handle()), "Network Setup Utility");
    EXPECT_TRUE(Enabled(IDC_REFRESH_LIST));
    EXPECT_TRUE(Enabled(IDC_ABOUT));
    EXPECT_TRUE(Enabled(IDC_QUIT));
    EXPECT_THAT(DeviceButtons(), ElementsAre(false, false, false));
}

TEST_F(MainWindowTest, UsbListViewHasFullRowSelectionAndFiveColumns) {
    Open({});
    HWND view = window.Item(IDC_USB_LIST);
    EXPECT_EQ(SendMessageW(view, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_FULLROWSELECT);
    EXPECT_THAT(testing::ListViewColumns(view),
                ElementsAre("Share Name, 110, left", "Device Id, 70, left", "FS Type, 70, left",
                            "Total Size(MB), 100, left", "Free Space, 90, left"));
}

TEST_F(MainWindowTest, SelectionShowsTheDetailsAndUsbRowsAndEnablesTheDeviceButtons) {
    Open();
    Select(1);
    EXPECT_THAT(DetailTexts(),
                ElementsAre("V02R03", "198.51.100.11", "Media shelf", "DHCP", "02:5a:00:00:00:11"));
    EXPECT_THAT(UsbRows(),
                ElementsAre(ElementsAre("Media", "USB1-0123456789A", "NTFS", "2147483648", "7%")));
    EXPECT_THAT(DeviceButtons(), ElementsAre(true, true, true));
    EXPECT_TRUE(window.Devices()[1]->shareList.has_value());
}

TEST_F(MainWindowTest, SelectionWhoseSocketFailsShowsTheMessageAndKeepsTheButtons) {
    Open();
    sockets.failUdp = true;
    MessageBoxCatcher catcher;
    Select(0);
    EXPECT_THAT(catcher.texts, ElementsAre("Network communication failed with error 0\n"));
    EXPECT_THAT(DetailTexts(), ElementsAre("", "", "", "", ""));
    EXPECT_THAT(DeviceButtons(), ElementsAre(false, false, false));
}

TEST_F(MainWindowTest, ButtonsStayEnabledWhenALaterSelectionFails) {
    Open();
    Select(0);
    sockets.failUdp = true;
    MessageBoxCatcher catcher;
    Select(1);
    EXPECT_THAT(DetailTexts(), ElementsAre("", "", "", "", ""));
    EXPECT_THAT(DeviceButtons(), ElementsAre(true, true, true));
}

TEST_F(MainWindowTest, RefreshClearsDetailsRowsAndSelection) {
    Open();
    Select(0);
    ASSERT_FALSE(UsbRows().empty());
    Notify(IDC_REFRESH_LIST, BN_CLICKED);
    EXPECT_EQ(SendMessageW(window.Item(IDC_DEVICE_LIST), LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_THAT(Lines(), ElementsAre("NETSTOR-000010", "NETSTOR-000011"));
    EXPECT_THAT(DetailTexts(), ElementsAre("", "", "", "", ""));
    EXPECT_THAT(UsbRows(), IsEmpty());
    EXPECT_THAT(DeviceButtons(), ElementsAre(false, false, false));
    EXPECT_TRUE(Enabled(IDC_REFRESH_LIST));
}

TEST_F(MainWindowTest, RefreshWhoseSearchFailsLeavesAnEmptyListAndRefreshEnabled) {
    Open();
    sockets.startupError = 10091;
    MessageBoxCatcher catcher;
    Notify(IDC_REFRESH_LIST, BN_CLICKED);
    EXPECT_THAT(catcher.texts, ElementsAre("Network communication failed with error 10091\n"));
    EXPECT_THAT(Lines(), IsEmpty());
    EXPECT_TRUE(window.Devices().empty());
    EXPECT_TRUE(Enabled(IDC_REFRESH_LIST));
}

TEST_F(MainWindowTest, EnterOnRefreshListSearchesAndKeepsTheFocus) {
    Open();
    const size_t sentBefore = sockets.sent.size();
    PressEnterOn(IDC_REFRESH_LIST);
    // Through the one adapter, to 255.255.255.255 and to its subnet's broadcast.
    EXPECT_EQ(sockets.sent.size(), sentBefore + 2);
    EXPECT_EQ(sockets.sent.back(), testing::Bytes(12, 0));
    EXPECT_EQ(GetFocus(), window.Item(IDC_REFRESH_LIST));
}

// The search goes through every adapter; the detail queries through the one that heard the device,
// or unbound, as a search without adapters went.
TEST_F(MainWindowTest, DetailsAreAskedThroughTheAdapterThatHeardTheDevice) {
    struct Case {
        std::vector<NetworkAdapter> adapters;
        size_t searchRequests;
        std::vector<std::string> detailsThrough;
    };
    const Case cases[] = {
        {{{"eth0", 0xc6336401, 24, 2}, {"wlan0", 0xcb007101, 24, 3}}, 4, {"eth0 198.51.100.1"}},
        {{}, 1, {}},
    };
    for (const Case& c : cases) {
        testing::ScriptedSocketLayer layer;
        testing::FakeAdapters listed;
        listed.adapters = c.adapters;
        PlatformServices services{layer, listed, shell, drives};
        MainWindow main(services);
        ScriptedDevices devices(layer, {DeviceState(), SecondDevice()});
        ASSERT_NE(main.Create(), nullptr);
        EXPECT_EQ(layer.sent.size(), c.searchRequests);
        ASSERT_EQ(main.Devices().size(), 2u);
        layer.calls.clear();
        SendMessageW(main.Item(IDC_DEVICE_LIST), LB_SETCURSEL, 1, 0);
        SendMessageW(main.Handle(), WM_COMMAND, MAKEWPARAM(IDC_DEVICE_LIST, LBN_SELCHANGE), 0);
        EXPECT_EQ(ItemText(main.Handle(), IDC_MAC_ADDRESS), "02:5a:00:00:00:11");
        std::vector<std::string> through;  // the adapter of each binding, after the handle
        for (const std::string& call : layer.calls) {
            if (call.rfind("BindToAdapter ", 0) == 0) {
                through.push_back(call.substr(call.find(' ', 14) + 1));
            }
            EXPECT_NE(call.rfind("SendTo", 0), 0u) << "not by broadcast: " << call;
        }
        EXPECT_EQ(through, c.detailsThrough);
    }
}

TEST_F(MainWindowTest, EnterOnShareMappingOrTheListsDoesNothing) {
    Open();
    Select(0);
    const size_t sentBefore = sockets.sent.size();
    for (int id : {IDC_SHARE_MAPPING, IDC_DEVICE_LIST, IDC_USB_LIST}) {
        PressEnterOn(id);
        EXPECT_EQ(GetFocus(), window.Item(id)) << id;
    }
    EXPECT_EQ(sockets.sent.size(), sentBefore);
    EXPECT_THAT(shell.calls, IsEmpty());
}

TEST_F(MainWindowTest, AccessViaWebHandsTheUrlToTheShellByButtonAndByEnter) {
    Open();
    Select(0);
    Notify(IDC_ACCESS_WEB, BN_CLICKED);
    PressEnterOn(IDC_ACCESS_WEB);
    ASSERT_EQ(shell.calls.size(), 2u);
    for (const ShellCall& call : shell.calls) {
        EXPECT_EQ(call.owner, nullptr);
        EXPECT_EQ(call.verb, "open");
        EXPECT_EQ(call.file, "http://198.51.100.10");
        EXPECT_EQ(call.parameters, nullptr);
        EXPECT_EQ(call.directory, nullptr);
        EXPECT_EQ(call.show, SW_HIDE);
    }
}

TEST_F(MainWindowTest, AboutBoxOpensFromButtonEnterAndSystemMenu) {
    Open({});
    std::vector<std::string> opened;
    DialogWatcher watcher([&](HWND dialog) {
        if (dialog == window.Handle()) {
            return;  // the main window itself, active again after the box
        }
        opened.push_back(testing::WindowText(dialog));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    Notify(IDC_ABOUT, BN_CLICKED);
    PressEnterOn(IDC_ABOUT);
    SendMessageW(window.Handle(), WM_SYSCOMMAND, IDM_ABOUT, 0);
    EXPECT_THAT(opened, ElementsAre("About", "About", "About"));
}

TEST_F(MainWindowTest, SystemMenuEndsWithASeparatorAndTheAboutItem) {
    Open({});
    HMENU menu = GetSystemMenu(window.Handle(), FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUT));
    wchar_t text[64] = {};
    GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), L"关于 Zerin(&A)...");
}

TEST_F(MainWindowTest, DoubleClickShowsAMessageAndChangesNothing) {
    Open();
    Select(0);
    MessageBoxCatcher catcher;
    Notify(IDC_DEVICE_LIST, LBN_DBLCLK);
    EXPECT_THAT(catcher.texts, ElementsAre("double click"));
    EXPECT_EQ(SendMessageW(window.Item(IDC_DEVICE_LIST), LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(ItemText(window.Handle(), IDC_IP_ADDRESS), "198.51.100.10");
}

TEST_F(MainWindowTest, QuitByButtonOrEnterEndsTheModalRunWithOk) {
    for (const bool byEnter : {false, true}) {
        testing::ScriptedSocketLayer layer;
        PlatformServices services{layer, adapters, shell, drives};
        MainWindow modal(services);
        DialogWatcher watcher([&](HWND dialog) {
            if (byEnter) {
                HWND quit = GetDlgItem(dialog, IDC_QUIT);
                PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(quit), TRUE);
                PostMessageW(quit, WM_KEYDOWN, VK_RETURN, 0);
            } else {
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_QUIT, BN_CLICKED), 0);
            }
        });
        EXPECT_EQ(modal.DoModal(), IDOK) << byEnter;
    }
}

}  // namespace
}  // namespace zerin::ui
