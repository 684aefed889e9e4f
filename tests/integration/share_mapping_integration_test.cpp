// The Share Mapping dialog over Windows' own drives and connections, mapping a share of a device
// address that nothing answers. Runs only inside a private network namespace
// (tests/integration/share_mapping.sh).
#include <windows.h>

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/dialog_watcher.h"
#include "ui/framework/list_view.h"
#include "ui/share/share_mapping_dialog.h"

namespace zerin::ui {
namespace {

using testing::ComboItems;

TEST(ShareMappingIntegrationTest, MapToAnUnreachableDeviceFailsAndChangesNothing) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    DeviceRecord device;
    std::string("198.51.100.77").copy(device.ipAddress, sizeof device.ipAddress - 1);
    WindowsNetworkDrives drives;
    ShareMappingDialog dialog(nullptr, drives);
    dialog.SetDevice(&device);
    ASSERT_NE(dialog.Create(), nullptr);
    ListView mappedList;
    mappedList.Attach(dialog.Item(IDC_MAPPED_LIST));
    const DWORD inUse = GetLogicalDrives();
    const std::vector<std::string> items = ComboItems(dialog.Handle(), IDC_MAP_DRIVE);
    ASSERT_FALSE(items.empty()) << "no free drive letter";
    const int rows = mappedList.RowCount();

    SetDlgItemTextA(dialog.Handle(), IDC_MAP_SHARE, "Public");
    SendDlgItemMessageA(dialog.Handle(), IDC_MAP_DRIVE, CB_SETCURSEL, 0, 0);
    testing::MessageBoxCatcher catcher;
    SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_MAP, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.Item(IDC_MAP)));

    EXPECT_THAT(catcher.texts, ::testing::ElementsAre("Map failed!"));
    EXPECT_EQ(mappedList.RowCount(), rows);
    EXPECT_EQ(ComboItems(dialog.Handle(), IDC_MAP_DRIVE), items);
    EXPECT_EQ(GetLogicalDrives(), inUse);
    EXPECT_EQ(testing::ItemText(dialog.Handle(), IDC_MAP_DRIVE), items.front());
}

}  // namespace
}  // namespace zerin::ui
