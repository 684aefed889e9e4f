// The wizard frame, "Wizard": shows one page at a time over its page placeholder and moves
// between them with Next, Back and Skip. Next writes the page's settings before it moves on;
// Skip moves on without writing; Next or Skip on the last page finishes.
#pragma once

#include <vector>

#include "ui/framework/control.h"
#include "ui/wizard/device_dialog.h"
#include "ui/wizard/wizard_page.h"

namespace zerin::ui {

// Runs modally to IDOK when the user finishes and to IDCANCEL when the user cancels or closes
// it. The pages belong to the caller and live as long as the frame.
class WizardFrame : public DeviceDialog {
  public:
    explicit WizardFrame(HWND parent);

    // Appends a page; called before the modal run.
    void AddPage(WizardPage& page);
    // Hides the page shown and shows the page at the index.
    void SetActivePage(int index);

    // Enter and Esc inside a page never reach a dialog's OK or Cancel handling: Enter does
    // nothing there, so no settings are written by accident, and Esc cancels the wizard.
    bool PreTranslateMessage(MSG& message) override;

  protected:
    void BindControls() override;
    const MessageMap& GetMessageMap() const override;
    BOOL OnInitDialog() override;

  private:
    void OnClickedNext();
    void OnClickedBack();
    void OnClickedSkip();
    void CreatePages();
    void GoToNextPage();
    bool IsLastPageShown() const;
    bool IsPageKey(const MSG& message) const;

    Control pageArea_;
    Control backButton_;
    Control nextButton_;
    std::vector<WizardPage*> pages_;
    int currentPage_ = -1;
};

}  // namespace zerin::ui
