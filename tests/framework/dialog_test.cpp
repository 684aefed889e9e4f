// The dialog layer driven through real templates of the program's resources.
#include "ui/framework/dialog.h"

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/dialog_watcher.h"
#include "ui/framework/message_box.h"

namespace zerin::ui {
namespace {

using testing::DialogWatcher;
using testing::ItemText;
using testing::MessageBoxCatcher;

// The About box with a message map, a bound control and a pre-translation hook that keeps
// count of the Enter keys it swallows.
class ProbeDialog : public Dialog {
  public:
    ProbeDialog() : Dialog(IDD_ABOUT, nullptr) {}

    Control okButton;
    int okClicks = 0;
    int entersSwallowed = 0;
    bool swallowEnter = false;

    bool PreTranslateMessage(MSG& message) override {
        if (swallowEnter && message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
            ++entersSwallowed;
            return true;
        }
        return Dialog::PreTranslateMessage(message);
    }

  protected:
    const MessageMap& GetMessageMap() const override {
        static const MessageMap map = {
            OnCommand(BN_DOUBLECLICKED, IDOK, &ProbeDialog::OnDoubleClickedOk),
            OnMessage(WM_APP, &ProbeDialog::OnApp),
        };
        return map;
    }
    void BindControls() override { Bind(okButton, IDOK); }

  private:
    void OnDoubleClickedOk() { ++okClicks; }
    MessageResult OnApp(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); }
};

TEST(DialogTest, ModalRunEndsWithTheResultOfOkEscapeOrTheCloseBox) {
    struct Case {
        const char* what;
        std::function<void(HWND)> act;
        INT_PTR result;
    };
    const Case cases[] = {
        {"OK", [](HWND d) { PostMessageW(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }, IDOK},
        {"Escape", [](HWND d) { PostMessageW(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_ESCAPE, 0); },
         IDCANCEL},
        {"close box", [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
    };
    for (const Case& c : cases) {
        ProbeDialog dialog;
        DialogWatcher watcher(c.act);
        EXPECT_EQ(dialog.DoModal(), c.result) << c.what;
        EXPECT_EQ(dialog.Handle(), nullptr) << c.what;
    }
}

TEST(DialogTest, PreTranslationSeesKeysBeforeTheDefaultDialogHandling) {
    ProbeDialog dialog;
    dialog.swallowEnter = true;
    DialogWatcher watcher([](HWND d) {
        PostMessageW(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // Enter did not reach the default button
    EXPECT_EQ(dialog.entersSwallowed, 1);
}

TEST(DialogTest, MessageMapRoutesNotificationsAndMessagesAndBindsControls) {
    ProbeDialog dialog;
    ASSERT_NE(dialog.Create(), nullptr);
    EXPECT_EQ(dialog.okButton.Handle(), dialog.Item(IDOK));
    SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_DOUBLECLICKED),
                 reinterpret_cast<LPARAM>(dialog.okButton.Handle()));
    EXPECT_EQ(dialog.okClicks, 1);
    EXPECT_EQ(SendMessageW(dialog.Handle(), WM_APP, 21, 0), 42);
}

// The device settings page, counting its time-zone texts when its own initialisation starts.
class ListProbe : public Dialog {
  public:
    explicit ListProbe(HWND parent) : Dialog(IDD_DEVICE_SETTINGS_PAGE, parent) {}
    LRESULT countAtInit = -1;

  protected:
    BOOL OnInitDialog() override {
        countAtInit = SendDlgItemMessageA(Handle(), IDC_TIME_ZONE, CB_GETCOUNT, 0, 0);
        return TRUE;
    }
};

TEST(DialogTest, InitialisationListsAreAppliedBeforeTheDialogsOwnInitialisation) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    HWND frame =
        CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 600, 500, nullptr, nullptr, nullptr, nullptr);
    {
        ListProbe page(frame);  // the page template is a child window's
        ASSERT_NE(page.Create(), nullptr);
        EXPECT_EQ(page.countAtInit, 75);
    }
    DestroyWindow(frame);
}

TEST(DialogTest, AppMessageBoxIsCaptionedWithTheExecutableName) {
    EXPECT_EQ(ApplicationName(), L"framework_test");
    MessageBoxCatcher catcher;
    EXPECT_EQ(AppMessageBox(std::string("Map failed!")), IDOK);
    EXPECT_THAT(catcher.texts, ::testing::ElementsAre("Map failed!"));
}

}  // namespace
}  // namespace zerin::ui
