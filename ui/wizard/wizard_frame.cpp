// The wizard frame: page creation and navigation.
#include "ui/wizard/wizard_frame.h"

#include <algorithm>

#include "resources/resource.h"

namespace zerin::ui {

namespace {

constexpr char kNextLabel[] = "&Next >>";
constexpr char kFinishedLabel[] = "&Finished";

}  // namespace

WizardFrame::WizardFrame(HWND parent)
    : DeviceDialog(IDD_WIZARD, parent, IDB_SKIN_MAIN, Scheme::kStretched) {}

void WizardFrame::BindControls() {
    Bind(pageArea_, IDC_WIZARD_PAGE_AREA);
    Bind(backButton_, IDC_WIZARD_BACK);
    Bind(nextButton_, IDC_WIZARD_NEXT);
}

const Dialog::MessageMap& WizardFrame::GetMessageMap() const {
    static const MessageMap map = {
        OnCommand(BN_CLICKED, IDC_WIZARD_NEXT, &WizardFrame::OnClickedNext),
        OnCommand(BN_CLICKED, IDC_WIZARD_BACK, &WizardFrame::OnClickedBack),
        OnCommand(BN_CLICKED, IDC_WIZARD_SKIP, &WizardFrame::OnClickedSkip),
        OnMessage(WM_PAINT, &WizardFrame::OnPaintSkin),
    };
    return map;
}

void WizardFrame::AddPage(WizardPage& page) {
    pages_.push_back(&page);
}

BOOL WizardFrame::OnInitDialog() {
    if (!pages_.empty()) {
        CreatePages();
        SetActivePage(0);
    }
    for (WizardPage* page : pages_) {
        page->Fill(Device());
    }
    return TRUE;
}

// Every page is created hidden, over the placeholder's rectangle.
void WizardFrame::CreatePages() {
    RECT area;
    GetWindowRect(pageArea_.Handle(), &area);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    for (WizardPage* page : pages_) {
        page->Create(Handle());
        SetWindowPos(page->Handle(), nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void WizardFrame::SetActivePage(int index) {
    if (currentPage_ >= 0 && currentPage_ < static_cast<int>(pages_.size())) {
        ShowWindow(pages_[currentPage_]->Handle(), SW_HIDE);
    }
    currentPage_ = index;
    ShowWindow(pages_[index]->Handle(), SW_SHOW);
}

bool WizardFrame::IsLastPageShown() const {
    return currentPage_ >= static_cast<int>(pages_.size()) - 1;
}

void WizardFrame::OnClickedNext() {
    if (IsLastPageShown()) {
        OnOK();
    } else if (pages_[currentPage_]->Apply(Device()) == 0) {
        GoToNextPage();
    }
}

void WizardFrame::OnClickedSkip() {
    if (IsLastPageShown()) {
        OnOK();
    } else {
        GoToNextPage();
    }
}

void WizardFrame::GoToNextPage() {
    SetActivePage(currentPage_ + 1);
    if (IsLastPageShown()) {
        nextButton_.SetText(kFinishedLabel);
    }
    backButton_.Enable(true);
}

void WizardFrame::OnClickedBack() {
    if (currentPage_ > 0) {
        if (IsLastPageShown()) {
            nextButton_.SetText(kNextLabel);
        }
        SetActivePage(currentPage_ - 1);
    }
    if (currentPage_ <= 0) {
        backButton_.Enable(false);
    }
}

bool WizardFrame::PreTranslateMessage(MSG& message) {
    if (!IsPageKey(message)) {
        return DeviceDialog::PreTranslateMessage(message);
    }
    if (message.wParam == VK_ESCAPE) {
        OnCancel();
    }
    return true;
}

// Enter or Esc for a control inside a page, unless the control takes the key itself (a combo
// box closes its open list with it).
bool WizardFrame::IsPageKey(const MSG& message) const {
    if (message.message != WM_KEYDOWN ||
        (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE)) {
        return false;
    }
    const bool inPage = std::any_of(pages_.begin(), pages_.end(), [&](const WizardPage* page) {
        return IsChild(page->Handle(), message.hwnd);
    });
    return inPage && !(SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                                    reinterpret_cast<LPARAM>(&message)) &
                       (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE));
}

}  // namespace zerin::ui
