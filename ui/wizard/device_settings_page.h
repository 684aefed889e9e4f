// The wizard's first page: whether the device asks for verification, its description, time
// zone, date and time.
#pragma once

#include "protocol/device_settings_update.h"
#include "protocol/socket_layer.h"
#include "ui/framework/control.h"
#include "ui/framework/message_box_reporter.h"
#include "ui/wizard/wizard_page.h"

namespace zerin::ui {

class DeviceSettingsPage : public WizardPage {
  public:
    explicit DeviceSettingsPage(SocketLayer& sockets);

    void Fill(const DeviceRecord& device) override;
    // Refuses a description that breaks the rule with a "Note" and stays; else writes the
    // settings and stays only when the network could not be opened.
    int Apply(const DeviceRecord& device) override;

  protected:
    void BindControls() override;
    BOOL OnInitDialog() override;

  private:
    void ShowDeviceTime(const DeviceRecord& device) const;
    DeviceSettings ChosenSettings(const std::string& description) const;

    SocketLayer& sockets_;
    MessageBoxReporter reporter_;
    Control timeZoneBox_;
    Control timePicker_;
    Control datePicker_;
    Control descriptionEdit_;
    Control noPasswordBox_;
};

}  // namespace zerin::ui
