// The wizard frame's navigation, driven through its buttons and keys as a user would.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/wizard/wizard_fixture.h"

namespace zerin::testing {
namespace {

using ::testing::ElementsAre;

TEST(WizardFrameTest, PagesLieOverThePlaceholderAndOnlyTheFirstIsShown) {
    Wizard wizard;
    wizard.Open();
    RECT area, page;
    GetWindowRect(wizard.Item(IDC_WIZARD_PAGE_AREA), &area);
    for (const ui::WizardPage* each : wizard.pages) {
        GetWindowRect(each->Handle(), &page);
        EXPECT_TRUE(EqualRect(&area, &page)) << each->TemplateId();
        EXPECT_EQ(GetParent(each->Handle()), wizard.frame.Handle()) << each->TemplateId();
    }
    EXPECT_EQ(wizard.ShownPage(), 0);
}

// Each step: the button pressed, then the page shown, whether Back is enabled, Next's label
// and how many device and network settings requests went out so far.
TEST(WizardFrameTest, NavigationFollowsTheStateTable) {
    struct Step {
        int button;
        int page;
        bool back;
        const char* next;
        size_t deviceWrites, networkWrites;
    };
    const Step steps[] = {
        {0, 0, false, "Next >>", 0, 0},
        {IDC_WIZARD_NEXT, 1, true, "Next >>", 1, 0},
        {IDC_WIZARD_NEXT, 2, true, "&Finished", 1, 1},
        {IDC_WIZARD_BACK, 1, true, "&Next >>", 1, 1},
        {IDC_WIZARD_BACK, 0, false, "&Next >>", 1, 1},
        {IDC_WIZARD_SKIP, 1, true, "&Next >>", 1, 1},
        {IDC_WIZARD_SKIP, 2, true, "&Finished", 1, 1},
        {IDC_WIZARD_BACK, 1, true, "&Next >>", 1, 1},
        {IDC_WIZARD_BACK, 0, false, "&Next >>", 1, 1},
        {IDC_WIZARD_NEXT, 1, true, "&Next >>", 2, 1},
    };
    Wizard wizard;
    wizard.Open();
    for (size_t i = 0; i < std::size(steps); ++i) {
        const Step& step = steps[i];
        if (step.button) {
            wizard.Click(step.button);
        }
        EXPECT_EQ(wizard.ShownPage(), step.page) << "step " << i;
        EXPECT_EQ(IsWindowEnabled(wizard.Item(IDC_WIZARD_BACK)) != 0, step.back) << "step " << i;
        EXPECT_EQ(ItemText(wizard.frame.Handle(), IDC_WIZARD_NEXT), step.next) << "step " << i;
        EXPECT_EQ(wizard.Requests(CMD_SET_DEVICE_INFO).size(), step.deviceWrites) << "step " << i;
        EXPECT_EQ(wizard.Requests(CMD_SET_NETWORK_INFO).size(), step.networkWrites) << "step " << i;
    }
}

TEST(WizardFrameTest, SkipSkipFinishedEndsWithOkWithoutAnyExchange) {
    Wizard wizard;
    const INT_PTR result = wizard.RunModal([](HWND frame) {
        PostClick(frame, IDC_WIZARD_SKIP);
        PostClick(frame, IDC_WIZARD_SKIP);
        PostClick(frame, IDC_WIZARD_NEXT);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(wizard.sockets.startups, 0);
}

TEST(WizardFrameTest, CancelAfterBothWritesEndsWithCancelByButtonCloseBoxOrEscape) {
    const std::pair<const char*, std::function<void(HWND)>> cancels[] = {
        {"Cancel", [](HWND frame) { PostClick(frame, IDCANCEL); }},
        {"close box", [](HWND frame) { PostMessageW(frame, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Esc on Next",
         [](HWND frame) { PostKey(frame, GetDlgItem(frame, IDC_WIZARD_NEXT), VK_ESCAPE); }},
    };
    for (const auto& [how, cancel] : cancels) {
        Wizard wizard;
        const INT_PTR result = wizard.RunModal([&](HWND frame) {
            PostClick(frame, IDC_WIZARD_NEXT);
            PostClick(frame, IDC_WIZARD_NEXT);
            cancel(frame);
        });
        EXPECT_EQ(result, IDCANCEL) << how;
        EXPECT_EQ(wizard.Requests(CMD_SET_DEVICE_INFO).size(), 1u) << how;
        EXPECT_EQ(wizard.Requests(CMD_SET_NETWORK_INFO).size(), 1u) << how;
    }
}

// A refused description on the first page, and a network that cannot be opened on the second.
TEST(WizardFrameTest, AStepThatReturnsNonzeroKeepsThePageAndEveryLabel) {
    struct Case {
        const char* what;
        int page;
        std::function<void(Wizard&)> spoil;
        const char* message;
    };
    const Case cases[] = {
        {"invalid description", 0,
         [](Wizard& w) { SetWindowTextA(w.PageItem(0, IDC_DEVICE_DESCRIPTION), "a.b"); },
         "Note: Device description is invalid! \nValid characters are: '0-9', 'a-z', 'A-Z', ' ', "
         "'-', '_'."},
        {"no socket", 1, [](Wizard& w) { w.sockets.failUdp = true; },
         "wizard_test: Network communication failed with error 0\n"},
    };
    for (const Case& c : cases) {
        Wizard wizard;
        wizard.Open();
        for (int i = 0; i < c.page; ++i) {
            wizard.Click(IDC_WIZARD_SKIP);
        }
        c.spoil(wizard);
        MessageBoxes boxes;
        wizard.Click(IDC_WIZARD_NEXT);
        EXPECT_THAT(boxes.shown, ElementsAre(c.message)) << c.what;
        EXPECT_EQ(wizard.ShownPage(), c.page) << c.what;
        EXPECT_EQ(IsWindowEnabled(wizard.Item(IDC_WIZARD_BACK)) != 0, c.page > 0) << c.what;
        EXPECT_EQ(ItemText(wizard.frame.Handle(), IDC_WIZARD_NEXT), "Next >>") << c.what;
        EXPECT_EQ(wizard.sockets.sent.size(), 0u) << c.what;
    }
}

// Enter inside a page would otherwise reach the frame as its OK and end the wizard unwritten.
TEST(WizardFrameTest, EnterInsideAPageDoesNothingAndEscCancels) {
    Wizard wizard;
    const INT_PTR result = wizard.RunModal([&](HWND frame) {
        PostKey(frame, wizard.PageItem(0, IDC_DEVICE_DESCRIPTION), VK_RETURN);
        PostKey(frame, wizard.PageItem(0, IDC_NO_PASSWORD_NEXT_TIME), VK_RETURN);
        PostClick(frame, IDC_WIZARD_SKIP);
        PostKey(frame, wizard.PageItem(1, IDC_NET_GATEWAY), VK_RETURN);
        PostKey(frame, wizard.PageItem(1, IDC_PROTOCOL), VK_ESCAPE);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(wizard.sockets.startups, 0);
}

TEST(WizardFrameTest, EnterOrEscInAComboBoxWithItsListOpenOnlyClosesTheList) {
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        Wizard wizard;
        wizard.Open();
        HWND zones = wizard.PageItem(0, IDC_TIME_ZONE);
        SetFocus(zones);
        SendMessageW(zones, CB_SHOWDROPDOWN, TRUE, 0);
        MSG message = KeyDownOnFocus(key);
        if (!wizard.frame.PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        PumpMessages();  // the list closes on the character the key makes
        EXPECT_FALSE(SendMessageW(zones, CB_GETDROPPEDSTATE, 0, 0)) << key;
        EXPECT_EQ(wizard.ShownPage(), 0) << key;
    }
}

}  // namespace
}  // namespace zerin::testing
