// The wizard's last page: only says that the wizard has come to its end.
#pragma once

#include "resources/resource.h"
#include "ui/wizard/wizard_page.h"

namespace zerin::ui {

class ClosingPage : public WizardPage {
  public:
    ClosingPage() : WizardPage(IDD_CLOSING_PAGE) {}
};

}  // namespace zerin::ui
