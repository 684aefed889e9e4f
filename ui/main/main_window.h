// The main window, "Network Setup Utility": the device list, the selected device's basic
// information and USB shares, and the buttons that act on the list and the selected device.
#pragma once

#include <memory>

#include "platform/platform_services.h"
#include "protocol/device_record.h"
#include "ui/framework/control.h"
#include "ui/framework/message_box_reporter.h"
#include "ui/main/usb_list_view.h"
#include "ui/skin/skinned_dialog.h"

namespace zerin::ui {

class MainWindow : public SkinnedDialog {
  public:
    explicit MainWindow(const PlatformServices& platform);

    bool PreTranslateMessage(MSG& message) override;

    // The devices, in the order of the device list's lines.
    const DeviceArray& Devices() const { return devices_; }

    void RefreshDeviceList();
    void ClearDetails();
    void AddDevice(std::unique_ptr<DeviceRecord> record);
    void ShowDeviceDetails();
    void OpenWebPage();
    void OpenSetupWizard();
    void OpenShareMapping();

  protected:
    const MessageMap& GetMessageMap() const override;
    void BindControls() override;
    BOOL OnInitDialog() override;

  private:
    MessageResult OnSysCommand(WPARAM wParam, LPARAM lParam);
    MessageResult OnPaint(WPARAM wParam, LPARAM lParam);
    MessageResult OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    MessageResult OnColourById(WPARAM wParam, LPARAM lParam);
    void OnClickedAbout();
    void OnClickedQuit();
    void OnDoubleClickedDeviceList();
    void AddAboutItemToSystemMenu();
    void OpenAboutBox();
    void EnableDeviceButtons(bool enable);
    // The selected line's record, or null when no line is selected.
    DeviceRecord* SelectedDevice();

    const PlatformServices& platform_;
    MessageBoxReporter reporter_;
    DeviceArray devices_;
    HICON icon_;

    Control shareMappingButton_;
    UsbListView usbList_;
    Control ipStatusText_;
    Control macAddressText_;
    Control ipAddressText_;
    Control firmwareVersionText_;
    Control descriptionText_;
    Control accessWebButton_;
    Control setupWizardButton_;
    Control refreshListButton_;
    Control quitButton_;
    Control aboutButton_;
    Control deviceList_;
};

}  // namespace zerin::ui
