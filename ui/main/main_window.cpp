// The main window: its initialisation, message map, device browser and Enter key dispatch.
#include "ui/main/main_window.h"

#include "protocol/device_details.h"
#include "protocol/device_search.h"
#include "resources/resource.h"
#include "ui/framework/resource_string.h"
#include "ui/main/web_access.h"
#include "ui/share/share_mapping_launch.h"
#include "ui/skin/skin_painting.h"
#include "ui/wizard/setup_wizard_launch.h"

namespace zerin::ui {

MainWindow::MainWindow(const PlatformServices& platform)
    : SkinnedDialog(IDD_MAIN, nullptr, IDB_SKIN_MAIN, Scheme::kStretched),
      platform_(platform),
      icon_(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP))) {}

const Dialog::MessageMap& MainWindow::GetMessageMap() const {
    static const MessageMap map = {
        OnMessage(WM_SYSCOMMAND, &MainWindow::OnSysCommand),
        OnMessage(WM_PAINT, &MainWindow::OnPaint),
        OnMessage(WM_QUERYDRAGICON, &MainWindow::OnQueryDragIcon),
        OnCommand(LBN_SELCHANGE, IDC_DEVICE_LIST, &MainWindow::ShowDeviceDetails),
        OnCommand(BN_CLICKED, IDC_ABOUT, &MainWindow::OnClickedAbout),
        OnCommand(BN_CLICKED, IDC_QUIT, &MainWindow::OnClickedQuit),
        OnCommand(BN_CLICKED, IDC_REFRESH_LIST, &MainWindow::RefreshDeviceList),
        OnCommand(BN_CLICKED, IDC_ACCESS_WEB, &MainWindow::OpenWebPage),
        OnCommand(BN_CLICKED, IDC_SETUP_WIZARD, &MainWindow::OpenSetupWizard),
        OnCommand(BN_CLICKED, IDC_SHARE_MAPPING, &MainWindow::OpenShareMapping),
        OnColourRequests(&MainWindow::OnColourById),
        OnCommand(LBN_DBLCLK, IDC_DEVICE_LIST, &MainWindow::OnDoubleClickedDeviceList),
    };
    return map;
}

void MainWindow::BindControls() {
    Bind(shareMappingButton_, IDC_SHARE_MAPPING);
    Bind(usbList_, IDC_USB_LIST);
    Bind(ipStatusText_, IDC_IP_STATUS);
    Bind(macAddressText_, IDC_MAC_ADDRESS);
    Bind(ipAddressText_, IDC_IP_ADDRESS);
    Bind(firmwareVersionText_, IDC_FIRMWARE_VERSION);
    Bind(descriptionText_, IDC_DESCRIPTION);
    Bind(accessWebButton_, IDC_ACCESS_WEB);
    Bind(setupWizardButton_, IDC_SETUP_WIZARD);
    Bind(refreshListButton_, IDC_REFRESH_LIST);
    Bind(quitButton_, IDC_QUIT);
    Bind(aboutButton_, IDC_ABOUT);
    Bind(deviceList_, IDC_DEVICE_LIST);
}

BOOL MainWindow::OnInitDialog() {
    AddAboutItemToSystemMenu();
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    usbList_.SetUp();
    RefreshDeviceList();
    return TRUE;
}

void MainWindow::AddAboutItemToSystemMenu() {
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (!menu) {
        return;
    }
    // The item's text is Chinese, so it goes in through the wide-character call.
    const std::wstring text = LoadResourceString(IDS_ABOUT_MENU_ITEM);
    if (!text.empty()) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, IDM_ABOUT, text.c_str());
    }
}

Dialog::MessageResult MainWindow::OnSysCommand(WPARAM wParam, LPARAM) {
    if ((wParam & 0xFFF0) != IDM_ABOUT) {
        return std::nullopt;
    }
    OpenAboutBox();
    return 0;
}

Dialog::MessageResult MainWindow::OnPaint(WPARAM wParam, LPARAM lParam) {
    if (IsIconic(Handle())) {
        PaintMinimisedIcon(Handle(), icon_);
        return 0;
    }
    return OnPaintSkin(wParam, lParam);
}

Dialog::MessageResult MainWindow::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(icon_);
}

Dialog::MessageResult MainWindow::OnColourById(WPARAM wParam, LPARAM lParam) {
    const LRESULT base = DefaultAnswer(CurrentMessage(), wParam, lParam);
    return ColourByControlId(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), base);
}

void MainWindow::OnClickedAbout() {
    OpenAboutBox();
}

void MainWindow::OpenAboutBox() {
    Dialog(IDD_ABOUT, Handle()).DoModal();
}

void MainWindow::OnClickedQuit() {
    OnOK();
}

void MainWindow::OnDoubleClickedDeviceList() {
    AppMessageBox(std::string("double click"));
}

void MainWindow::EnableDeviceButtons(bool enable) {
    shareMappingButton_.Enable(enable);
    accessWebButton_.Enable(enable);
    setupWizardButton_.Enable(enable);
}

void MainWindow::RefreshDeviceList() {
    refreshListButton_.Enable(false);
    EnableDeviceButtons(false);
    for (size_t i = 0; i < devices_.size(); ++i) {
        deviceList_.Send(LB_DELETESTRING, 0);
    }
    devices_.clear();
    ClearDetails();
    SearchDevices(platform_.sockets, reporter_, platform_.adapters.List(),
                  [this](std::unique_ptr<DeviceRecord> record) { AddDevice(std::move(record)); });
    refreshListButton_.Enable(true);
}

void MainWindow::ClearDetails() {
    for (const Control* text : {&ipStatusText_, &macAddressText_, &ipAddressText_,
                                &firmwareVersionText_, &descriptionText_}) {
        text->SetText("");
    }
    usbList_.DeleteAllRows();
}

void MainWindow::AddDevice(std::unique_ptr<DeviceRecord> record) {
    deviceList_.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(record->name));
    devices_.push_back(std::move(record));
    UpdateWindow(Handle());
}

DeviceRecord* MainWindow::SelectedDevice() {
    const LRESULT line = deviceList_.Send(LB_GETCURSEL);
    if (line < 0 || static_cast<size_t>(line) >= devices_.size()) {
        return nullptr;
    }
    return devices_[line].get();
}

void MainWindow::ShowDeviceDetails() {
    DeviceRecord* record = SelectedDevice();
    if (!record) {
        return;
    }
    ClearDetails();
    const DeviceDetails details =
        QueryDeviceDetails(platform_.sockets, reporter_, *record, TowardsDevice(*record));
    if (!details.opened) {
        return;
    }
    firmwareVersionText_.SetText(details.texts.firmwareVersion);
    ipAddressText_.SetText(details.texts.ipAddress);
    macAddressText_.SetText(details.texts.macAddress);
    descriptionText_.SetText(details.texts.description);
    ipStatusText_.SetText(details.texts.ipStatus);
    usbList_.AddRows(details.usbRows);
    EnableDeviceButtons(true);
}

void MainWindow::OpenWebPage() {
    if (const DeviceRecord* record = SelectedDevice()) {
        OpenDeviceWebPage(platform_.shell, *record);
    }
}

// The list is refreshed after every wizard, finished or cancelled, so that it shows what the
// devices now report; a cancelled verification changes nothing.
void MainWindow::OpenSetupWizard() {
    const DeviceRecord* record = SelectedDevice();
    if (record && RunSetupWizard(Handle(), platform_.sockets, *record)) {
        RefreshDeviceList();
    }
}

// The device list is not refreshed afterwards: mapping changes nothing on the device.
void MainWindow::OpenShareMapping() {
    if (const DeviceRecord* record = SelectedDevice()) {
        RunShareMapping(Handle(), platform_.sockets, platform_.drives, *record);
    }
}

bool MainWindow::PreTranslateMessage(MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) {
        return SkinnedDialog::PreTranslateMessage(message);
    }
    HWND focus = GetFocus();
    if (!focus) {
        return SkinnedDialog::PreTranslateMessage(message);
    }
    switch (GetDlgCtrlID(focus)) {
        case IDC_REFRESH_LIST:
            RefreshDeviceList();
            break;
        case IDC_ACCESS_WEB:
            OpenWebPage();
            break;
        case IDC_SETUP_WIZARD:
            OpenSetupWizard();
            break;
        case IDC_ABOUT:
            OpenAboutBox();
            break;
        case IDC_QUIT:
            OnClickedQuit();
            break;
        default:
            break;
    }
    SetFocus(focus);
    return true;
}

}  // namespace zerin::ui
