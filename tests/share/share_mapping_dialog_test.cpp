// The real Share Mapping dialog from the real template over scripted drives and connections,
// driven with the messages a user's actions produce.
#include "ui/share/share_mapping_dialog.h"

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/dialog_watcher.h"
#include "tests/support/scripted_network_drives.h"
#include "ui/framework/list_view.h"

namespace zerin::ui {
namespace {

using testing::ComboItems;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::IsEmpty;
using testing::MessageBoxCatcher;
using testing::ScriptedNetworkDrives;
using ::testing::SizeIs;
using Rows = std::vector<std::vector<std::string>>;

DeviceRecord Device(const std::string& ipAddress,
                    std::optional<std::vector<std::string>> shares = std::nullopt) {
    DeviceRecord device;
    ipAddress.copy(device.ipAddress, sizeof device.ipAddress - 1);
    if (shares) {
        ResetShareList(device);
        for (const std::string& name : *shares) {
            uint8_t entry[ShareNameEntry::kSize] = {};
            name.copy(reinterpret_cast<char*>(entry), sizeof entry);
            AppendShareEntry(device, entry);
        }
    }
    return device;
}

class ShareMappingDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
    }

    void Open() {
        dialog.SetDevice(&device);
        ASSERT_NE(dialog.Create(), nullptr);
        mappedList.Attach(dialog.Item(IDC_MAPPED_LIST));
    }
    // Opens with the device's two connections at X: and V: listed, and W: in another's use.
    void OpenWithThreeRows() {
        drives.AddNetworkDrive('X', "\\\\198.51.100.10\\Public");
        drives.AddNetworkDrive('W', "\\\\203.0.113.9\\music");
        drives.AddNetworkDrive('V', "\\\\198.51.100.10\\Scans");
        drives.AddNetworkDrive('U', "\\\\198.51.100.10\\Public");
        Open();
        ASSERT_EQ(MappedRows(), Rows({{"\\\\198.51.100.10\\Public", "X:"},
                                      {"\\\\198.51.100.10\\Scans", "V:"},
                                      {"\\\\198.51.100.10\\Public", "U:"}}));
    }

    void Click(int id) {
        SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(dialog.Item(id)));
    }
    void Type(int id, const std::string& text) { SetWindowTextA(dialog.Item(id), text.c_str()); }
    void Choose(int comboId, const std::string& item) {
        HWND box = dialog.Item(comboId);
        const LRESULT index =
            SendMessageA(box, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(item.c_str()));
        ASSERT_NE(index, CB_ERR) << item;
        SendMessageA(box, CB_SETCURSEL, index, 0);
    }
    // Fills the mapping row and the credentials, then presses Map.
    void Map(const std::string& share, const std::string& drive, const std::string& user = "",
             const std::string& password = "") {
        Type(IDC_MAP_SHARE, share);
        Type(IDC_MAP_DRIVE, drive);
        Type(IDC_MAP_USER_NAME, user);
        Type(IDC_MAP_PASSWORD, password);
        Click(IDC_MAP);
    }
    void SelectRow(int row) {
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED;
        state.state = LVIS_SELECTED;
        SendMessageA(mappedList.Handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }

    std::string Text(int id) { return testing::ItemText(dialog.Handle(), id); }
    std::vector<std::string> DriveItems() { return ComboItems(dialog.Handle(), IDC_MAP_DRIVE); }
    Rows MappedRows() {
        Rows rows;
        for (int row = 0; row < mappedList.RowCount(); ++row) {
            rows.push_back({mappedList.CellText(row, 0), mappedList.CellText(row, 1)});
        }
        return rows;
    }
    size_t DriveListRebuilds() const { return drives.CallsOf("GetLogicalDrives").size(); }

    DeviceRecord device = Device("198.51.100.10", {{"Public", "Scans"}});
    ScriptedNetworkDrives drives;
    ShareMappingDialog dialog{nullptr, drives};
    ListView mappedList;
};

// Every letter in use by a local disk but those named.
void UseAllLettersBut(ScriptedNetworkDrives& drives, const std::string& letters) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (letters.find(letter) == std::string::npos) {
            drives.AddLocalDrive(letter);
        }
    }
}

TEST_F(ShareMappingDialogTest, InitialisationLimitsTheTextsAndSetsUpTheMappedList) {
    Open();
    HWND shareEdit = GetWindow(dialog.Item(IDC_MAP_SHARE), GW_CHILD);
    EXPECT_EQ(SendMessageW(dialog.Item(IDC_MAP_USER_NAME), EM_GETLIMITTEXT, 0, 0), 32);
    EXPECT_EQ(SendMessageW(dialog.Item(IDC_MAP_PASSWORD), EM_GETLIMITTEXT, 0, 0), 8);
    EXPECT_EQ(SendMessageW(shareEdit, EM_GETLIMITTEXT, 0, 0), 63 - 16);  // "\\198.51.100.10\"
    EXPECT_EQ(SendMessageW(mappedList.Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
              LVS_EX_FULLROWSELECT);
    EXPECT_THAT(testing::ListViewColumns(mappedList.Handle()),
                ElementsAre("Share name, 240, left", "Location, 208, left"));
    EXPECT_EQ(Text(IDC_MAP_SHARE), "");
    EXPECT_EQ(Text(IDC_MAP_DRIVE), "");
}

TEST_F(ShareMappingDialogTest, ShareBoxOffersTheReportedNamesInOrder) {
    const std::pair<std::optional<std::vector<std::string>>, std::vector<std::string>> cases[] = {
        {{{"Public", "Scans", "Photos 2024"}}, {"Public", "Scans", "Photos 2024"}},
        {{{std::string(36, 'n')}}, {std::string(36, 'n')}},
        {std::vector<std::string>{}, {}},
        {std::nullopt, {}},
    };
    for (const auto& [shares, expected] : cases) {
        DeviceRecord record = Device("198.51.100.10", shares);
        ShareMappingDialog opened(nullptr, drives);
        opened.SetDevice(&record);
        ASSERT_NE(opened.Create(), nullptr);
        EXPECT_EQ(ComboItems(opened.Handle(), IDC_MAP_SHARE), expected)
            << "shares " << (shares ? shares->size() : -1);
    }
}

TEST_F(ShareMappingDialogTest, DriveListOffersFreeLettersAndNetworkDrivesFromZToA) {
    UseAllLettersBut(drives, "ZQMDBA");
    drives.AddNetworkDrive('Z', "\\\\203.0.113.9\\music");
    drives.AddLocalDrive('D', DRIVE_CDROM);
    drives.AddNetworkDrive('M', "\\\\198.51.100.10\\Public");
    Open();
    EXPECT_THAT(DriveItems(), ElementsAre("Z:  \\\\203.0.113.9\\music",
                                          "Q:", "M:  \\\\198.51.100.10\\Public", "B:", "A:"));
}

TEST_F(ShareMappingDialogTest, NetworkDriveIsOfferedWithItsRemoteNameAlsoWithoutItsInUseBit) {
    UseAllLettersBut(drives, "R");
    drives.drives['R'] = {DRIVE_REMOTE, false, "\\\\203.0.113.9\\music", NO_ERROR};
    Open();
    EXPECT_THAT(DriveItems(), ElementsAre("R:  \\\\203.0.113.9\\music"));
}

TEST_F(ShareMappingDialogTest, FailedLookupOffersTheLetterAloneAndListsNothing) {
    // Z: fits the lookup buffer exactly; Y: is one character too long; X: fails outright.
    const std::string longest = "\\\\198.51.100.10\\" + std::string(79 - 16, 'z');
    UseAllLettersBut(drives, "ZYXW");
    drives.AddNetworkDrive('Z', longest);
    drives.AddNetworkDrive('Y', longest + "y");
    drives.AddNetworkDrive('X', "\\\\198.51.100.10\\Scans");
    drives.drives['X'].lookupResult = ERROR_NO_NETWORK;
    drives.AddNetworkDrive('W', "\\\\198.51.100.10\\Public");
    Open();
    EXPECT_THAT(DriveItems(),
                ElementsAre("Z:  " + longest, "Y:  ", "X:  ", "W:  \\\\198.51.100.10\\Public"));
    EXPECT_EQ(MappedRows(), Rows({{longest, "Z:"}, {"\\\\198.51.100.10\\Public", "W:"}}));
    EXPECT_THAT(drives.CallsOf("WNetGetConnectionA"), SizeIs(8));
    EXPECT_THAT(drives.CallsOf("WNetGetConnectionA"), Each(EndsWith(", 80)")));
}

TEST_F(ShareMappingDialogTest, MappedListHoldsEveryNetworkDriveWhoseRemoteNameHoldsTheAddress) {
    device = Device("192.168.1.1");
    drives.AddNetworkDrive('Z', "\\\\192.168.1.10\\backup");
    drives.AddNetworkDrive('T', "\\\\203.0.113.9\\music");
    drives.AddLocalDrive('S');
    drives.AddNetworkDrive('K', "\\\\192.168.1.1\\Public");
    drives.AddNetworkDrive('B', "\\\\server\\192.168.1.1");
    Open();
    EXPECT_EQ(MappedRows(), Rows({{"\\\\192.168.1.10\\backup", "Z:"},
                                  {"\\\\192.168.1.1\\Public", "K:"},
                                  {"\\\\server\\192.168.1.1", "B:"}}));
}

TEST_F(ShareMappingDialogTest, MapPassesTheComposedRemoteNameAndTheCredentialsAsTexts) {
    const std::pair<std::pair<const char*, const char*>, const char*> cases[] = {
        {{"admin", "secret"},
         R"(WNetAddConnection2A(0, "K:", "\\198.51.100.10\Public", null, "secret", "admin", 0))"},
        {{"", ""}, R"(WNetAddConnection2A(0, "K:", "\\198.51.100.10\Public", null, "", "", 0))"},
    };
    Open();
    for (const auto& [credentials, expected] : cases) {
        drives.drives.erase('K');
        drives.calls.clear();
        Map("Public", "K:", credentials.first, credentials.second);
        EXPECT_THAT(drives.CallsOf("WNetAddConnection2A"), ElementsAre(expected));
    }
}

TEST_F(ShareMappingDialogTest, MapAppendsARowAndRebuildsTheDriveListKeepingTheTexts) {
    UseAllLettersBut(drives, "KJ");
    Open();
    Type(IDC_MAP_USER_NAME, "admin");
    Type(IDC_MAP_PASSWORD, "secret");
    Choose(IDC_MAP_SHARE, "Scans");
    Choose(IDC_MAP_DRIVE, "K:");
    Click(IDC_MAP);
    EXPECT_EQ(MappedRows(), Rows({{"\\\\198.51.100.10\\Scans", "K:"}}));
    EXPECT_THAT(DriveItems(), ElementsAre("K:  \\\\198.51.100.10\\Scans", "J:"));
    EXPECT_EQ(DriveListRebuilds(), 2u);
    EXPECT_EQ(Text(IDC_MAP_DRIVE), "K:");
    EXPECT_EQ(Text(IDC_MAP_SHARE), "Scans");
    EXPECT_EQ(Text(IDC_MAP_USER_NAME), "admin");
    EXPECT_EQ(Text(IDC_MAP_PASSWORD), "secret");
}

TEST_F(ShareMappingDialogTest, MapOnANetworkDriveItemUsesItsLetterAndFailsAsTheLetterIsTaken) {
    UseAllLettersBut(drives, "NM");
    drives.AddNetworkDrive('N', "\\\\203.0.113.9\\music");
    Open();
    MessageBoxCatcher catcher;
    Choose(IDC_MAP_SHARE, "Public");
    Choose(IDC_MAP_DRIVE, "N:  \\\\203.0.113.9\\music");
    Click(IDC_MAP);
    EXPECT_THAT(
        drives.CallsOf("WNetAddConnection2A"),
        ElementsAre(R"(WNetAddConnection2A(0, "N:", "\\198.51.100.10\Public", null, "", "", 0))"));
    EXPECT_THAT(catcher.texts, ElementsAre("Map failed!"));
    EXPECT_THAT(MappedRows(), IsEmpty());
}

TEST_F(ShareMappingDialogTest, MapUsesATypedShareNameAsTyped) {
    Open();
    Map("not reported", "G:");
    EXPECT_EQ(MappedRows(), Rows({{"\\\\198.51.100.10\\not reported", "G:"}}));
}

TEST_F(ShareMappingDialogTest, MapAppendsARowAlsoForARemoteNameAlreadyListed) {
    drives.AddNetworkDrive('Z', "\\\\198.51.100.10\\Public");
    Open();
    Map("Public", "Y:");
    EXPECT_EQ(MappedRows(),
              Rows({{"\\\\198.51.100.10\\Public", "Z:"}, {"\\\\198.51.100.10\\Public", "Y:"}}));
}

TEST_F(ShareMappingDialogTest, MapFailureShowsTheMessageAndChangesNothing) {
    drives.AddNetworkDrive('Z', "\\\\198.51.100.10\\Public");
    Open();
    const Rows rows = MappedRows();
    const std::vector<std::string> items = DriveItems();
    for (const DWORD result : {ERROR_ACCESS_DENIED, ERROR_BAD_NET_NAME, ERROR_INVALID_PASSWORD,
                               ERROR_NO_NETWORK, ERROR_EXTENDED_ERROR}) {
        drives.addResult = result;
        MessageBoxCatcher catcher;
        Map("Scans", "Y:", "admin", "wrong");
        EXPECT_THAT(catcher.texts, ElementsAre("Map failed!")) << result;
        EXPECT_EQ(MappedRows(), rows) << result;
        EXPECT_EQ(DriveItems(), items) << result;
        EXPECT_EQ(DriveListRebuilds(), 1u) << result;
        EXPECT_EQ(Text(IDC_MAP_DRIVE), "Y:") << result;
    }
}

TEST_F(ShareMappingDialogTest, MapWithoutAShareOrADriveDoesNothing) {
    const std::pair<const char*, const char*> cases[] = {{"", "K:"}, {"Public", ""}, {"", ""}};
    Open();
    MessageBoxCatcher catcher;
    for (const auto& [share, drive] : cases) {
        Map(share, drive);
    }
    EXPECT_THAT(drives.CallsOf("WNetAddConnection2A"), IsEmpty());
    EXPECT_THAT(catcher.texts, IsEmpty());
    EXPECT_THAT(MappedRows(), IsEmpty());
}

TEST_F(ShareMappingDialogTest, MapRefusesARemoteNameLongerThan63Characters) {
    Open();
    MessageBoxCatcher catcher;
    const std::string fits(63 - 16, 's');
    Map(fits + "s", "K:");
    EXPECT_THAT(catcher.texts, ElementsAre("Map failed!"));
    EXPECT_THAT(drives.CallsOf("WNetAddConnection2A"), IsEmpty());
    Map(fits, "K:");
    EXPECT_EQ(MappedRows(), Rows({{"\\\\198.51.100.10\\" + fits, "K:"}}));
}

TEST_F(ShareMappingDialogTest, UnmapRemovesTheSelectedRowsConnectionAndRebuildsTheDriveList) {
    OpenWithThreeRows();
    SelectRow(1);
    Click(IDC_UNMAP);
    EXPECT_THAT(drives.CallsOf("WNetCancelConnection2A"),
                ElementsAre(R"(WNetCancelConnection2A("V:", 1, 0))"));
    EXPECT_EQ(MappedRows(),
              Rows({{"\\\\198.51.100.10\\Public", "X:"}, {"\\\\198.51.100.10\\Public", "U:"}}));
    EXPECT_EQ(DriveListRebuilds(), 2u);
    EXPECT_EQ(DriveItems().at(4), "V:");  // after Z:, Y:, X: and W:
}

TEST_F(ShareMappingDialogTest, UnmapWithoutASelectedRowDoesNothing) {
    OpenWithThreeRows();
    MessageBoxCatcher catcher;
    Click(IDC_UNMAP);
    EXPECT_THAT(drives.CallsOf("WNetCancelConnection2A"), IsEmpty());
    EXPECT_THAT(catcher.texts, IsEmpty());
    EXPECT_EQ(MappedRows().size(), 3u);
    EXPECT_EQ(DriveListRebuilds(), 1u);
}

TEST_F(ShareMappingDialogTest, UnmapFailureShowsTheMessageAndKeepsTheRow) {
    OpenWithThreeRows();
    drives.cancelResults["X:"] = ERROR_OPEN_FILES;
    MessageBoxCatcher catcher;
    SelectRow(0);
    Click(IDC_UNMAP);
    EXPECT_THAT(catcher.texts, ElementsAre("Unmap failed!"));
    EXPECT_EQ(MappedRows().size(), 3u);
    EXPECT_EQ(DriveListRebuilds(), 1u);
}

TEST_F(ShareMappingDialogTest, UnmapAllGoesOnPastAFailedRowAndRebuildsOnce) {
    OpenWithThreeRows();
    drives.cancelResults["V:"] = ERROR_OPEN_FILES;
    MessageBoxCatcher catcher;
    Click(IDC_UNMAP_ALL);
    EXPECT_THAT(drives.CallsOf("WNetCancelConnection2A"),
                ElementsAre(R"(WNetCancelConnection2A("U:", 1, 0))",
                            R"(WNetCancelConnection2A("V:", 1, 0))",
                            R"(WNetCancelConnection2A("X:", 1, 0))"));
    EXPECT_THAT(catcher.texts, ElementsAre("Unmap failed!"));
    EXPECT_EQ(MappedRows(), Rows({{"\\\\198.51.100.10\\Scans", "V:"}}));
    EXPECT_EQ(DriveListRebuilds(), 2u);
}

TEST_F(ShareMappingDialogTest, UnmapAllOnAnEmptyListRebuildsOnceAndShowsNothing) {
    Open();
    MessageBoxCatcher catcher;
    Click(IDC_UNMAP_ALL);
    EXPECT_THAT(drives.CallsOf("WNetCancelConnection2A"), IsEmpty());
    EXPECT_THAT(catcher.texts, IsEmpty());
    EXPECT_EQ(DriveListRebuilds(), 2u);
}

TEST_F(ShareMappingDialogTest, OpensWithTheFocusOnOk) {
    static HWND shown = nullptr;
    static int focus = 0;
    ShareMappingDialog modal(nullptr, drives);
    modal.SetDevice(&device);
    testing::DialogWatcher watcher([](HWND opened) {
        shown = opened;
        // Looks once the modal loop runs, after the dialog has been shown and activated.
        SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            focus = GetParent(GetFocus()) == shown ? GetDlgCtrlID(GetFocus()) : 0;
            PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
        });
    });
    modal.DoModal();
    EXPECT_EQ(focus, IDOK);
}

}  // namespace
}  // namespace zerin::ui
