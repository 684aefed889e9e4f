// The Verify dialog from its real template over a scripted device, driven with the messages of
// a user's keys and clicks.
#include "ui/wizard/verify_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/wizard/wizard_fixture.h"

namespace zerin::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

DeviceState GuardedDevice() {
    DeviceState device;
    device.passwordFlag = 1;
    device.verifyStatus = 1;  // until the right password comes
    return device;
}

using Pair = std::pair<std::string, std::string>;

// The name and password fields of a verification request.
Pair Credentials(const Bytes& request) {
    const auto text = [&](size_t offset, size_t width) {
        const auto* first = reinterpret_cast<const char*>(request.data() + offset);
        return std::string(first, strnlen(first, width));
    };
    return {text(12, 16), text(28, 8)};
}

class VerifyDialogTest : public ::testing::Test {
  protected:
    VerifyDialogTest() {
        RegisterCommonControls();
        dialog.SetDevice(&record);
        // The device accepts admin / secret and refuses everything else.
        sockets.onSend = [this, answer = sockets.onSend](const Bytes& request) {
            okEnabledAtSend.push_back(IsWindowEnabled(dialog.Item(IDC_VERIFY_OK)) != 0);
            const bool right = Credentials(request) == Pair("admin", "secret");
            for (DeviceState& device : devices.devices) {
                device.verifyStatus = right ? 0 : 1;
            }
            answer(request);
        };
    }

    void Open() {
        ASSERT_NE(dialog.Create(), nullptr);
        ShowWindow(dialog.Handle(), SW_SHOW);
    }
    void PressEnterOn(int id) {
        SetFocus(dialog.Item(id));
        MSG message = KeyDownOnFocus(VK_RETURN);
        EXPECT_TRUE(dialog.PreTranslateMessage(message));
    }
    void Type(int id, const std::string& text) {
        for (char c : text) {
            SendMessageW(dialog.Item(id), WM_CHAR, c, 0);
        }
    }
    std::string Text(int id) { return ItemText(dialog.Handle(), id); }

    ScriptedSocketLayer sockets;
    ScriptedDevices devices{sockets, {GuardedDevice()}};
    DeviceRecord record = RecordOf(GuardedDevice());
    ui::VerifyDialog dialog{nullptr, sockets};
    std::vector<bool> okEnabledAtSend;
};

TEST_F(VerifyDialogTest, EnterRightAfterOpeningCancelsFromTheCancelButton) {
    DialogWatcher watcher([](HWND verify) { PostMessageW(verify, WM_KEYDOWN, VK_RETURN, 0); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_THAT(sockets.sent, IsEmpty());
}

TEST_F(VerifyDialogTest, EnterInTheNameEditMovesToThePasswordEditAndSendsNothing) {
    Open();
    PressEnterOn(IDC_ADMIN_NAME);
    EXPECT_EQ(GetFocus(), dialog.Item(IDC_ADMIN_PASSWORD));
    EXPECT_THAT(sockets.sent, IsEmpty());
}

TEST_F(VerifyDialogTest, EnterInThePasswordEditVerifiesAndEndsWithOk) {
    DialogWatcher watcher([](HWND verify) {
        SetDlgItemTextA(verify, IDC_ADMIN_NAME, "admin");
        SetDlgItemTextA(verify, IDC_ADMIN_PASSWORD, "secret");
        PostKey(verify, GetDlgItem(verify, IDC_ADMIN_PASSWORD), VK_RETURN);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(sockets.sent.size(), 1u);
    EXPECT_EQ(Credentials(sockets.sent[0]), Pair("admin", "secret"));
}

TEST_F(VerifyDialogTest, AWrongPasswordKeepsTheTextsAndARightOneEndsWithOk) {
    MessageBoxes boxes;
    DialogWatcher watcher([](HWND verify) {
        if (WindowText(verify) != "Verify") {
            return;
        }
        SetDlgItemTextA(verify, IDC_ADMIN_NAME, "admin");
        SetDlgItemTextA(verify, IDC_ADMIN_PASSWORD, "secre");
        PostClick(verify, IDC_VERIFY_OK);
        // The last letter typed after the kept text makes the right password.
        PostMessageW(GetDlgItem(verify, IDC_ADMIN_PASSWORD), EM_SETSEL, 5, 5);
        PostMessageW(GetDlgItem(verify, IDC_ADMIN_PASSWORD), WM_CHAR, 't', 0);
        PostClick(verify, IDC_VERIFY_OK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_THAT(boxes.shown, ElementsAre("wizard_test: Verify failed!"));
    ASSERT_EQ(sockets.sent.size(), 2u);
    EXPECT_EQ(Credentials(sockets.sent[0]), Pair("admin", "secre"));
    EXPECT_EQ(Credentials(sockets.sent[1]), Pair("admin", "secret"));
}

TEST_F(VerifyDialogTest, ANameOf16AndAPasswordOf8AreSentWholeAndNoMoreIsTyped) {
    Open();
    Type(IDC_ADMIN_NAME, "administrator-16xyz");
    Type(IDC_ADMIN_PASSWORD, "12345678xyz");
    EXPECT_EQ(Text(IDC_ADMIN_NAME), "administrator-16");
    EXPECT_EQ(Text(IDC_ADMIN_PASSWORD), "12345678");
    MessageBoxes boxes;
    Click(dialog.Handle(), IDC_VERIFY_OK);
    ASSERT_EQ(sockets.sent.size(), 1u);
    EXPECT_EQ(Credentials(sockets.sent[0]), Pair("administrator-16", "12345678"));
}

// OK is disabled while the request goes out and enabled again after, also when the network
// could not be opened; the texts stay as typed.
TEST_F(VerifyDialogTest, OkIsEnabledAgainOnEveryPath) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        std::vector<std::string> messages;
        std::vector<bool> enabledAtSend;
    };
    const Case cases[] = {
        {"refused", [] {}, {"wizard_test: Verify failed!"}, {false}},
        {"unanswered", [this] { devices.devices.clear(); }, {}, {false}},
        {"no socket",
         [this] { sockets.failUdp = true; },
         {"wizard_test: Network communication failed with error 0\n"},
         {}},
        {"no sockets layer",
         [this] { sockets.startupError = 10091; },
         {"wizard_test: Network communication failed with error 10091\n"},
         {}},
    };
    Open();
    SetDlgItemTextA(dialog.Handle(), IDC_ADMIN_NAME, "admin");
    SetDlgItemTextA(dialog.Handle(), IDC_ADMIN_PASSWORD, "guess");
    for (const Case& c : cases) {
        c.arrange();
        okEnabledAtSend.clear();
        MessageBoxes boxes;
        Click(dialog.Handle(), IDC_VERIFY_OK);
        EXPECT_EQ(boxes.shown, c.messages) << c.what;
        EXPECT_EQ(okEnabledAtSend, c.enabledAtSend) << c.what;
        EXPECT_TRUE(IsWindowEnabled(dialog.Item(IDC_VERIFY_OK))) << c.what;
        EXPECT_EQ(Pair(Text(IDC_ADMIN_NAME), Text(IDC_ADMIN_PASSWORD)), Pair("admin", "guess"))
            << c.what;
    }
}

}  // namespace
}  // namespace zerin::testing
