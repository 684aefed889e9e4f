// A page of the setup wizard: a child dialog that the wizard frame creates over its page
// placeholder, fills from the device's record, and whose values it writes when Next leaves it.
#pragma once

#include "protocol/device_record.h"
#include "ui/skin/skinned_dialog.h"

namespace zerin::ui {

class WizardPage : public SkinnedDialog {
  public:
    // Pages are created later, as children of the frame (Create with the frame's window).
    explicit WizardPage(int templateId);

    // Shows the device's values; run once the page's window exists.
    virtual void Fill(const DeviceRecord&) {}
    // Writes the page's values to the device when Next leaves the page: 0 to go on to the next
    // page, nonzero to stay.
    virtual int Apply(const DeviceRecord&) { return 0; }

  protected:
    // The painting every page shares; pages with handlers of their own list these two as well.
    const MessageMap& GetMessageMap() const override;
    // A page is created hidden and takes no focus: the frame keeps it.
    BOOL OnInitDialog() override { return FALSE; }
};

}  // namespace zerin::ui
