// Each dialog template, read back from the executable's own resources, against the windows and
// controls the program is designed with: layout, window, font and every control in order.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "tests/resources/dialog_template.h"
#include "tests/resources/own_resource.h"

namespace zerin::test {
namespace {

// A style or extended style, printed in hexadecimal when a check fails.
struct Bits {
    uint32_t value;
    bool operator==(const Bits& other) const { return value == other.value; }
};

void PrintTo(const Bits& bits, std::ostream* out) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(bits.value));
    *out << text;
}

// A control id as stored, printed in decimal and in hexadecimal, which shows its width.
struct StoredId {
    uint32_t value;
    bool operator==(const StoredId& other) const { return value == other.value; }
};

void PrintTo(const StoredId& id, std::ostream* out) {
    *out << id.value << " (";
    PrintTo(Bits{id.value}, out);
    *out << ")";
}

// A control's text: a string, or the id of the icon or bitmap resource that it shows.
struct ExpectedText {
    const char* string;
    int resource;
};

constexpr ExpectedText Text(const char* string) {
    return {string, 0};
}
constexpr ExpectedText Picture(int resource) {
    return {nullptr, resource};
}

std::string Describe(const ExpectedText& text) {
    return text.string ? "\"" + std::string(text.string) + "\""
                       : "resource " + std::to_string(text.resource);
}

std::string Describe(const TextOrOrdinal& text) {
    return text.isOrdinal ? "resource " + std::to_string(text.ordinal) : "\"" + text.text + "\"";
}

// Class names compare without regard to case, as the window manager does; the predefined
// classes may be stored as their ordinals.
std::string ClassName(const TextOrOrdinal& windowClass) {
    static const char* const kPredefined[] = {"BUTTON",  "EDIT",      "STATIC",
                                              "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    if (windowClass.isOrdinal) {
        unsigned index = windowClass.ordinal - 0x80u;
        return index < 6 ? kPredefined[index] : "ordinal " + std::to_string(windowClass.ordinal);
    }
    std::string name = windowClass.text;
    CharUpperBuffA(name.data(), static_cast<DWORD>(name.size()));
    return name;
}

struct ExpectedControl {
    int id;
    const char* windowClass;  // in capitals
    ExpectedText text;
    DialogRect rect;
    uint32_t style;  // besides WS_CHILD and WS_VISIBLE, which every control has
    uint32_t exStyle;
};

struct ExpectedFont {
    int pointSize;
    const char* typeface;
};

struct ExpectedTemplate {
    const char* name;
    int id;
    bool extended;
    const char* caption;
    DialogRect rect;
    uint32_t style;
    uint32_t exStyle;
    ExpectedFont font;
    std::vector<ExpectedControl> controls;
};

constexpr uint32_t kTab = WS_TABSTOP;
constexpr uint32_t kGroup = WS_GROUP;
constexpr uint32_t kPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr uint32_t kPage = WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE;
constexpr ExpectedFont kArial = {9, "arial"};

const ExpectedTemplate kAboutBox = {
    "AboutBox",
    100,
    false,
    "About",
    {0, 0, 235, 55},
    kPopup,
    0,
    kArial,
    {
        {-1, "STATIC", Picture(128), {11, 17, 20, 20}, SS_ICON, 0},
        {-1,
         "STATIC",
         Text("Utility Version 1.0"),
         {40, 10, 119, 8},
         SS_LEFT | SS_NOPREFIX | kGroup,
         0},
        {-1, "STATIC", Text("Copyright (C) 2009"), {40, 25, 119, 8}, SS_LEFT | kGroup, 0},
        {IDOK, "BUTTON", Text("确定"), {178, 7, 50, 14}, BS_DEFPUSHBUTTON | kGroup | kTab, 0},
    }};

const ExpectedTemplate kMainWindow = {
    "MainWindow",
    102,
    true,
    "Network Setup Utility",
    {0, 0, 443, 318},
    kPopup | WS_VISIBLE | WS_MINIMIZEBOX,
    WS_EX_APPWINDOW,
    kArial,
    {
        {1001,
         "LISTBOX",
         Text(""),
         {17, 83, 101, 183},
         LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | kTab,
         WS_EX_TRANSPARENT},
        {-1, "BUTTON", Text(""), {11, 67, 114, 206}, BS_GROUPBOX, 0},
        {-1, "STATIC", Text(""), {12, 282, 416, 1}, SS_ETCHEDHORZ, 0},
        {1005, "BUTTON", Text("Refresh List"), {12, 289, 59, 15}, BS_PUSHBUTTON | kTab, 0},
        {1006, "BUTTON", Text("Access via web"), {83, 289, 59, 15}, BS_PUSHBUTTON | kTab, 0},
        {1007, "BUTTON", Text("Setup Wizard"), {154, 289, 59, 15}, BS_PUSHBUTTON | kTab, 0},
        {1008, "BUTTON", Text("About"), {296, 289, 59, 15}, BS_PUSHBUTTON | kTab, 0},
        {-1, "STATIC", Text("Firmware Version:"), {141, 89, 59, 8}, SS_LEFT | kGroup, 0},
        {1016, "STATIC", Text(""), {212, 89, 33, 11}, SS_LEFT | SS_SUNKEN | kGroup, 0},
        {-1, "STATIC", Text("IP Address:"), {141, 142, 37, 8}, SS_LEFT | kGroup, 0},
        {1017, "STATIC", Text(""), {212, 142, 64, 11}, SS_LEFT | SS_SUNKEN | kGroup, 0},
        {-1, "STATIC", Text("Description:"), {141, 106, 38, 8}, SS_LEFT | kGroup, 0},
        {1018,
         "STATIC",
         Text(""),
         {212, 106, 134, 11},
         SS_LEFTNOWORDWRAP | SS_SUNKEN | kGroup,
         WS_EX_TRANSPARENT},
        {-1, "STATIC", Text("IP Status:"), {141, 160, 31, 8}, SS_LEFT | kGroup, WS_EX_TRANSPARENT},
        {1043, "STATIC", Text(""), {212, 160, 31, 11}, SS_LEFT | SS_SUNKEN | kGroup, 0},
        {1011, "BUTTON", Text("Quit"), {367, 289, 59, 15}, BS_PUSHBUTTON | kTab, 0},
        {-1, "STATIC", Text("Mac Address:"), {141, 124, 43, 8}, SS_LEFT | kGroup, 0},
        {1020,
         "STATIC",
         Text(""),
         {212, 124, 96, 11},
         SS_LEFT | SS_SUNKEN | kGroup,
         WS_EX_TRANSPARENT},
        {1080, "BUTTON", Text("Share Mapping"), {225, 289, 59, 15}, BS_PUSHBUTTON | kTab, 0},
        {1081,
         "SYSLISTVIEW32",
         Text("List1"),
         {142, 206, 284, 57},
         LVS_REPORT | WS_BORDER | kTab,
         0},
        {-1, "BUTTON", Text(""), {134, 67, 296, 112}, BS_GROUPBOX, 0},
        {-1, "BUTTON", Text(""), {134, 185, 296, 86}, BS_GROUPBOX, 0},
        {-1, "STATIC", Text("Basic Information"), {141, 75, 58, 8}, SS_LEFT | kGroup, 0},
        {-1, "STATIC", Text("Device List"), {17, 73, 39, 8}, SS_LEFT | kGroup, 0},
        {-1, "STATIC", Text("USB Infomation"), {142, 194, 54, 8}, SS_LEFT | kGroup, 0},
    }};

const ExpectedTemplate kShareMapping = {
    "ShareMappingDialog",
    105,
    false,
    "Share Mapping",
    {0, 0, 392, 319},
    kPopup,
    0,
    {8, "MS Sans Serif"},
    {
        {IDOK, "BUTTON", Text("OK"), {159, 298, 50, 14}, BS_DEFPUSHBUTTON | kTab, 0},
        {IDCANCEL, "BUTTON", Text("Cancel"), {325, 297, 50, 14}, BS_PUSHBUTTON | kTab, 0},
        {-1, "BUTTON", Text(""), {12, 71, 367, 81}, BS_GROUPBOX, 0},
        {-1,
         "STATIC",
         Text("Use the following username and password to map remote share to local drive:"),
         {19, 91, 287, 9},
         SS_LEFTNOWORDWRAP,
         0},
        {-1, "STATIC", Text("Username:"), {19, 108, 37, 8}, SS_LEFT | kGroup, 0},
        {1072, "EDIT", Text(""), {64, 108, 98, 13}, ES_AUTOHSCROLL | WS_BORDER | kTab, 0},
        {-1, "STATIC", Text("Password:"), {19, 130, 39, 8}, SS_LEFT | kGroup, 0},
        {1073,
         "EDIT",
         Text(""),
         {64, 130, 98, 13},
         ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | kTab,
         0},
        {-1, "BUTTON", Text(""), {12, 158, 367, 41}, BS_GROUPBOX, 0},
        {1071, "COMBOBOX", Text(""), {18, 176, 126, 114}, CBS_DROPDOWN | WS_VSCROLL | kTab, 0},
        {-1, "STATIC", Text("Map to:"), {148, 179, 29, 9}, SS_LEFT | kGroup, 0},
        {1075, "COMBOBOX", Text(""), {181, 176, 140, 114}, CBS_DROPDOWN | WS_VSCROLL | kTab, 0},
        {1076, "BUTTON", Text("Map"), {330, 176, 42, 12}, BS_PUSHBUTTON | kTab, 0},
        {-1, "BUTTON", Text(""), {12, 204, 367, 85}, BS_GROUPBOX, 0},
        {1074,
         "SYSLISTVIEW32",
         Text("List1"),
         {18, 225, 301, 57},
         LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | kTab,
         0},
        {1077, "BUTTON", Text("Unmap"), {329, 233, 42, 12}, BS_PUSHBUTTON | kTab, 0},
        {1078, "BUTTON", Text("Unmap all"), {329, 254, 42, 12}, BS_PUSHBUTTON | kTab, 0},
        {-1, "STATIC", Text("Login name and password"), {19, 78, 89, 8}, SS_LEFT | kGroup, 0},
        {-1, "STATIC", Text("Map share to local"), {18, 165, 73, 9}, SS_LEFT | kGroup, 0},
        {-1, "STATIC", Text("List of mapped share"), {18, 213, 82, 8}, SS_LEFT | kGroup, 0},
    }};

const ExpectedTemplate kWizardFrame = {
    "WizardFrame",
    129,
    true,
    "Wizard",
    {0, 0, 362, 285},
    kPopup,
    0,
    kArial,
    {
        {IDCANCEL, "BUTTON", Text("Cancel"), {308, 259, 45, 14}, BS_PUSHBUTTON | kTab, 0},
        {-1, "STATIC", Text(""), {9, 250, 344, 1}, SS_ETCHEDHORZ, 0},
        {1021,
         "BUTTON",
         Text("<< Back"),
         {127, 259, 45, 14},
         BS_PUSHBUTTON | WS_DISABLED | kTab,
         0},
        {1022, "BUTTON", Text("Next >>"), {175, 259, 45, 14}, BS_PUSHBUTTON | kTab, 0},
        {1023, "STATIC", Text(""), {123, 75, 231, 169}, SS_ETCHEDFRAME, WS_EX_CLIENTEDGE},
        {1024, "STATIC", Picture(148), {8, 75, 109, 169}, SS_BITMAP, WS_EX_CLIENTEDGE},
        {1070, "BUTTON", Text("Skip"), {260, 259, 45, 14}, BS_PUSHBUTTON | kTab, 0},
    }};

constexpr uint32_t kLabel = SS_LEFT | SS_CENTERIMAGE | kGroup;

const ExpectedTemplate kDeviceSettingsPage = {
    "DeviceSettingsPage",
    130,
    true,
    "",
    {0, 0, 235, 163},
    WS_CHILD | DS_SETFONT,
    kPage,
    kArial,
    {
        {1027,
         "BUTTON",
         Text("Don't input password next time"),
         {15, 32, 109, 9},
         BS_AUTOCHECKBOX,
         0},
        {1039, "STATIC", Text("Device description:"), {15, 58, 61, 8}, kLabel, 0},
        {1029, "EDIT", Text(""), {96, 58, 123, 12}, ES_AUTOHSCROLL | WS_BORDER | kTab, 0},
        {1040, "STATIC", Text("Device Date:"), {15, 98, 41, 8}, kLabel, 0},
        {1041, "STATIC", Text("Device time:"), {15, 119, 40, 8}, kLabel, 0},
        {1059,
         "SYSDATETIMEPICK32",
         Text("DateTimePicker1"),
         {96, 98, 123, 14},
         DTS_SHORTDATEFORMAT | DTS_RIGHTALIGN | kTab,
         0},
        {1060,
         "SYSDATETIMEPICK32",
         Text("DateTimePicker2"),
         {96, 119, 123, 14},
         DTS_TIMEFORMAT | DTS_UPDOWN | DTS_RIGHTALIGN | kTab,
         0},
        {1062, "COMBOBOX", Text(""), {96, 77, 123, 80}, CBS_DROPDOWN | WS_VSCROLL | kTab, 0},
        {1063, "STATIC", Text("Device timezone:"), {15, 77, 54, 8}, kLabel, 0},
    }};

const ExpectedTemplate kNetworkSettingsPage = {
    "NetworkSettingsPage",
    131,
    true,
    "",
    {0, 0, 225, 159},
    WS_CHILD | DS_SETFONT,
    kPage,
    kArial,
    {
        {1043, "STATIC", Text("Protocol:"), {13, 28, 29, 9}, kLabel, 0},
        {1044, "STATIC", Text("IP address:"), {13, 45, 38, 9}, kLabel, 0},
        {1047, "STATIC", Text("Default gateway:"), {13, 81, 54, 9}, kLabel, 0},
        {1048, "STATIC", Text("Primary dns:"), {13, 99, 40, 8}, kLabel, 0},
        {1046, "STATIC", Text("Subnet mask:"), {13, 63, 45, 9}, kLabel, 0},
        {1049, "STATIC", Text("Secondary dns:"), {13, 119, 51, 9}, kLabel, 0},
        {1045, "COMBOBOX", Text(""), {91, 28, 84, 47}, CBS_DROPDOWN | WS_VSCROLL | kTab, 0},
        {1050, "SYSIPADDRESS32", Text("IPAddress1"), {91, 45, 83, 12}, kTab, 0},
        {1051, "SYSIPADDRESS32", Text("IPAddress2"), {91, 63, 83, 12}, kTab, 0},
        {1052, "SYSIPADDRESS32", Text("IPAddress3"), {91, 81, 83, 12}, kTab, 0},
        {1053, "SYSIPADDRESS32", Text("IPAddress4"), {91, 99, 83, 12}, kTab, 0},
        {1054, "SYSIPADDRESS32", Text("IPAddress5"), {91, 119, 83, 12}, kTab, 0},
    }};

const ExpectedTemplate kClosingPage = {"ClosingPage",
                                       132,
                                       true,
                                       "",
                                       {0, 0, 235, 163},
                                       WS_CHILD | DS_SETFONT | DS_ABSALIGN,
                                       kPage,
                                       kArial,
                                       {
                                           {-1,
                                            "STATIC",
                                            Text("The end of quick setup wizard!"),
                                            {62, 45, 99, 9},
                                            SS_CENTER | kGroup,
                                            0},
                                       }};

const ExpectedTemplate kVerify = {
    "VerifyDialog",
    141,
    false,
    "Verify",
    {0, 0, 279, 98},
    kPopup,
    0,
    kArial,
    {
        {IDCANCEL, "BUTTON", Text("Cancel"), {161, 77, 50, 14}, BS_PUSHBUTTON | kTab, 0},
        {1065, "EDIT", Text(""), {100, 29, 104, 14}, ES_AUTOHSCROLL | WS_BORDER | kTab, 0},
        {1068, "STATIC", Text("Name:"), {74, 32, 21, 8}, SS_RIGHT | kGroup, 0},
        {1067, "STATIC", Text("Password:"), {60, 53, 34, 8}, SS_RIGHT | kGroup, 0},
        {-1,
         "STATIC",
         Text("Please input current administrator's name and password"),
         {22, 12, 190, 8},
         SS_LEFT | kGroup,
         0},
        {1066,
         "EDIT",
         Text(""),
         {100, 51, 104, 14},
         ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | kTab,
         0},
        {1069, "BUTTON", Text("OK"), {87, 76, 51, 15}, BS_PUSHBUTTON | kTab, 0},
    }};

void PrintTo(const ExpectedTemplate& expected, std::ostream* out) {
    *out << expected.name << " (template " << expected.id << ")";
}

const ExpectedTemplate kTemplates[] = {
    kAboutBox,           kMainWindow,          kShareMapping, kWizardFrame,
    kDeviceSettingsPage, kNetworkSettingsPage, kClosingPage,  kVerify,
};

class DialogTemplateTest : public testing::TestWithParam<ExpectedTemplate> {
  protected:
    DialogTemplate Load() const {
        ResourceBytes bytes = FindOwnResource(RT_DIALOG, GetParam().id);
        if (!bytes.data) {
            ADD_FAILURE() << "no dialog template " << GetParam().id << " in language 2052";
            return {};
        }
        return ParseDialogTemplate(bytes.data, bytes.size);
    }
};

// The id as the template must store it: -1 keeps all its bits in 16 or 32 bits.
StoredId Stored(int id, bool extended) {
    return {extended ? static_cast<uint32_t>(id) : static_cast<uint16_t>(id)};
}

TEST_P(DialogTemplateTest, WindowHasItsLayoutCaptionSizeAndStyles) {
    const ExpectedTemplate& expected = GetParam();
    DialogTemplate actual = Load();
    EXPECT_EQ(expected.extended, actual.extended) << "extended layout";
    EXPECT_EQ(expected.caption, actual.caption);
    EXPECT_EQ(expected.rect, actual.rect);
    EXPECT_EQ(Bits{expected.style}, Bits{actual.style}) << "style";
    EXPECT_EQ(Bits{expected.exStyle}, Bits{actual.exStyle}) << "extended style";
    EXPECT_EQ("\"\"", Describe(actual.menu)) << "menu";
    EXPECT_EQ("\"\"", Describe(actual.windowClass)) << "window class";
}

TEST_P(DialogTemplateTest, NamesItsFont) {
    const ExpectedTemplate& expected = GetParam();
    DialogTemplate actual = Load();
    ASSERT_TRUE(actual.hasFont);
    EXPECT_EQ(expected.font.pointSize, actual.font.pointSize);
    EXPECT_EQ(expected.font.typeface, actual.font.typeface);
    if (expected.extended) {
        EXPECT_EQ(0, actual.font.weight);
        EXPECT_FALSE(actual.font.italic);
        EXPECT_EQ(DEFAULT_CHARSET, actual.font.charset);
    }
}

TEST_P(DialogTemplateTest, ControlsMatchInTemplateOrder) {
    const ExpectedTemplate& expected = GetParam();
    DialogTemplate actual = Load();
    ASSERT_EQ(expected.controls.size(), actual.items.size()) << "number of controls";
    for (size_t i = 0; i < expected.controls.size(); ++i) {
        const ExpectedControl& want = expected.controls[i];
        const DialogItem& got = actual.items[i];
        SCOPED_TRACE("control " + std::to_string(i) + ", id " + std::to_string(want.id));
        EXPECT_EQ(Stored(want.id, expected.extended), StoredId{got.id}) << "id";
        EXPECT_EQ(want.windowClass, ClassName(got.windowClass)) << "class";
        EXPECT_EQ(Describe(want.text), Describe(got.text)) << "text";
        EXPECT_EQ(want.rect, got.rect) << "position and size";
        EXPECT_EQ(Bits{WS_CHILD | WS_VISIBLE | want.style}, Bits{got.style}) << "style";
        EXPECT_EQ(Bits{want.exStyle}, Bits{got.exStyle}) << "extended style";
        EXPECT_EQ(0u, got.creationDataSize) << "creation data";
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, DialogTemplateTest, testing::ValuesIn(kTemplates),
                         [](const testing::TestParamInfo<ExpectedTemplate>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace zerin::test
