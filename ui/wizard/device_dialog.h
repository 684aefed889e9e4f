// A skinned dialog that acts on one device: the Verify dialog, the wizard frame and the Share
// Mapping dialog. They borrow the selected device's record from the main window, which owns it
// and stays disabled, so the record is unchanged while they run.
#pragma once

#include "protocol/device_record.h"
#include "ui/skin/skinned_dialog.h"

namespace zerin::ui {

class DeviceDialog : public SkinnedDialog {
  public:
    using SkinnedDialog::SkinnedDialog;

    // Gives the dialog the device's record; called before the dialog runs.
    void SetDevice(const DeviceRecord* device) { device_ = device; }

  protected:
    const DeviceRecord& Device() const { return *device_; }

  private:
    const DeviceRecord* device_ = nullptr;
};

}  // namespace zerin::ui
