// The skin every wizard page shares.
#include "ui/wizard/wizard_page.h"

#include "resources/resource.h"

namespace zerin::ui {

WizardPage::WizardPage(int templateId)
    : SkinnedDialog(templateId, nullptr, IDB_SKIN_PAGE, Scheme::kAnchored) {}

const Dialog::MessageMap& WizardPage::GetMessageMap() const {
    static const MessageMap map = {
        OnMessage(WM_PAINT, &WizardPage::OnPaintSkin),
        OnColourRequests(&WizardPage::OnColourByKind),
    };
    return map;
}

}  // namespace zerin::ui
