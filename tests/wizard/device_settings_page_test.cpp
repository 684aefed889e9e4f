// The device settings page inside the real wizard frame: filled from a record, and the exact
// request its Next puts on the wire.
#include <windows.h>

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/packet_builder.h"
#include "tests/wizard/wizard_fixture.h"

namespace zerin::testing {
namespace {

using ::testing::AnyOf;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

DeviceState DeviceWith(const std::function<void(DeviceState&)>& change) {
    DeviceState device;
    device.date = "20091014";
    device.time = "093005";
    change(device);
    return device;
}

SYSTEMTIME Picker(const Wizard& wizard, int id) {
    SYSTEMTIME time{};
    SendMessageW(wizard.PageItem(0, id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

std::vector<int> DateOf(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth, time.wDay};
}

std::vector<int> TimeOf(const SYSTEMTIME& time) {
    return {time.wHour, time.wMinute, time.wSecond};
}

// Presses Next on the first page; the device settings request it sent.
Bytes NextRequest(Wizard& wizard) {
    wizard.Click(IDC_WIZARD_NEXT);
    const std::vector<Bytes> requests = wizard.Requests(CMD_SET_DEVICE_INFO);
    return requests.size() == 1 ? requests[0] : Bytes();
}

// The request for the device's name and MAC with the given settings.
PacketBuilder Expected(const DeviceState& device, uint8_t flag, const std::string& description,
                       const std::string& date, const std::string& time, uint8_t zone) {
    return PacketBuilder(CMD_SET_DEVICE_INFO, 108)
        .U16(4, 96)
        .Mac(device.mac)
        .U8(12, flag)
        .Text(13, device.name)
        .Text(29, description)
        .Text(93, date)
        .Text(101, time)
        .U8(107, zone);
}

TEST(DeviceSettingsPageTest, NextSendsTheRecordsSettingsUnchanged) {
    const DeviceState device = DeviceWith([](DeviceState&) {});
    Wizard wizard(device);
    wizard.Open();
    EXPECT_THAT(DateOf(Picker(wizard, IDC_DEVICE_DATE)), ElementsAre(2009, 10, 14));
    EXPECT_THAT(TimeOf(Picker(wizard, IDC_DEVICE_TIME)), ElementsAre(9, 30, 5));
    EXPECT_EQ(Hex(NextRequest(wizard)),
              Hex(Expected(device, 0, "Office storage", "20091014", "093005", 56)));
}

// The flag sent is 1 when the box is not checked; the box starts checked when the device asks
// for no verification.
TEST(DeviceSettingsPageTest, TheCheckBoxShowsAndSendsTheVerificationFlag) {
    struct Case {
        uint8_t passwordFlag;
        bool toggle;
        bool checked;
        uint8_t sent;
    };
    const Case cases[] = {{0, false, true, 0}, {0, true, true, 1}, {1, false, false, 1}};
    for (const Case& c : cases) {
        Wizard wizard(DeviceWith([&](DeviceState& d) { d.passwordFlag = c.passwordFlag; }));
        wizard.Open();
        HWND box = wizard.PageItem(0, IDC_NO_PASSWORD_NEXT_TIME);
        EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED, c.checked)
            << int{c.passwordFlag};
        if (c.toggle) {
            SendMessageW(box, BM_CLICK, 0, 0);
        }
        EXPECT_EQ(NextRequest(wizard).at(12), c.sent) << int{c.passwordFlag} << c.toggle;
    }
}

TEST(DeviceSettingsPageTest, AZoneOutsideTheListSelectsNothingAndSends255) {
    Wizard wizard(DeviceWith([](DeviceState& d) { d.timeZone = 200; }));
    wizard.Open();
    EXPECT_EQ(SendMessageW(wizard.PageItem(0, IDC_TIME_ZONE), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(NextRequest(wizard).at(107), 255);
}

// Dates the page cannot show leave both pickers at the computer's current date.
TEST(DeviceSettingsPageTest, ADateWithoutAValidLocalTimeLeavesThePickersAtToday) {
    for (const char* date : {"00000000", "20380101", "19700101"}) {
        SYSTEMTIME before, after;
        GetLocalTime(&before);
        Wizard wizard(DeviceWith([&](DeviceState& d) { d.date = date; }));
        wizard.Open();
        GetLocalTime(&after);
        for (int picker : {IDC_DEVICE_DATE, IDC_DEVICE_TIME}) {
            EXPECT_THAT(DateOf(Picker(wizard, picker)), AnyOf(DateOf(before), DateOf(after)))
                << date << " in " << picker;
        }
    }
}

TEST(DeviceSettingsPageTest, TheDescriptionRuleDecidesWhetherAnythingIsSent) {
    const std::pair<const char*, bool> cases[] = {
        {"Office 2-b_C", true}, {"", true}, {"Office.2", false}, {"C++", false}, {"Caf\xe9", false},
    };
    for (const auto& [description, valid] : cases) {
        Wizard wizard;
        wizard.Open();
        SetWindowTextA(wizard.PageItem(0, IDC_DEVICE_DESCRIPTION), description);
        MessageBoxes boxes;
        const Bytes request = NextRequest(wizard);
        EXPECT_EQ(boxes.shown.size(), valid ? 0u : 1u) << description;
        EXPECT_EQ(wizard.ShownPage(), valid ? 1 : 0) << description;
        if (valid) {
            const DeviceState device;
            EXPECT_EQ(Hex(request),
                      Hex(Expected(device, 0, description, "20240115", "093005", 56)));
        } else {
            EXPECT_THAT(request, IsEmpty()) << description;
        }
    }
}

// What the user sees is what is checked and sent: 63 characters at most.
TEST(DeviceSettingsPageTest, TheDescriptionIsCutTo63CharactersAndTakesNoMore) {
    const std::string longest(64, 'd');
    Wizard wizard(DeviceWith([&](DeviceState& d) { d.description = longest; }));
    wizard.Open();
    HWND edit = wizard.PageItem(0, IDC_DEVICE_DESCRIPTION);
    EXPECT_EQ(WindowText(edit), longest.substr(0, 63));
    SendMessageW(edit, WM_CHAR, 'x', 0);
    EXPECT_EQ(WindowText(edit), longest.substr(0, 63));
}

TEST(DeviceSettingsPageTest, TheFirstAndLastDatesOfTheRangeAreSentAsChosen) {
    Wizard wizard;
    wizard.Open();
    HWND date = wizard.PageItem(0, IDC_DEVICE_DATE);
    SYSTEMTIME range[2] = {};
    EXPECT_EQ(SendMessageW(date, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)),
              GDTR_MIN | GDTR_MAX);
    EXPECT_THAT(DateOf(range[0]), ElementsAre(1970, 1, 2));
    EXPECT_THAT(DateOf(range[1]), ElementsAre(2037, 12, 31));
    for (const SYSTEMTIME& chosen : range) {
        SendMessageW(date, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&chosen));
        wizard.Click(IDC_WIZARD_NEXT);
        wizard.Click(IDC_WIZARD_BACK);
    }
    const std::vector<Bytes> requests = wizard.Requests(CMD_SET_DEVICE_INFO);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(std::string(requests[0].begin() + 93, requests[0].begin() + 101), "19700102");
    EXPECT_EQ(std::string(requests[1].begin() + 93, requests[1].begin() + 101), "20371231");
}

}  // namespace
}  // namespace zerin::testing
