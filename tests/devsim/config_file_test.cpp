// The configuration file: every key reaches its field, defaults fill the rest, each kind of mistake
// is reported with its line, and the help shows every key.
#include "tools/devsim/config_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "protocol/packet.h"

namespace zerin::devsim {
namespace {

std::optional<std::vector<DeviceState>> Parse(const std::string& text, std::string& error) {
    std::istringstream in(text);
    return ParseConfig(in, error);
}

const char kMinimalDevice[] = "[device]\nname = B\nmac = 02:5a:00:00:00:02\nip = 198.51.100.2\n";

TEST(ConfigFile, ReadsEveryKey) {
    std::string error;
    auto devices = Parse(R"(# two devices
[device]
  name = SIXTEEN-CHAR-NAM
mac = 02-5A-00-00-00-01
ip = 192.168.100.200
mask = 255.0.0.0
gateway = 10.0.0.1
dns1 = 10.0.0.2
dns2 = 10.0.0.3
ip_status = dhcp
product = 0102
firmware = 0107
description = Office storage, 2nd floor
date = 20100305
time = 070809
timezone = 74
password_flag = yes
admin_user = root
admin_password = eightchr
share = Public
share = Scans and more
usb = Public, USB1_DISK1, FAT32, 4294967295, -5
search_word = 0xbeef
fault = delay:40@verify
fault = twice

)" + std::string(kMinimalDevice),
                         error);
    ASSERT_TRUE(devices) << error;
    ASSERT_EQ(devices->size(), 2u);
    const DeviceState& d = (*devices)[0];
    EXPECT_EQ(d.name, "SIXTEEN-CHAR-NAM");
    EXPECT_EQ(d.mac, (MacAddress{0x02, 0x5a, 0, 0, 0, 1}));
    EXPECT_EQ(d.ip, "192.168.100.200");
    EXPECT_EQ(d.mask, "255.0.0.0");
    EXPECT_EQ(d.gateway, "10.0.0.1");
    EXPECT_EQ(d.dns1, "10.0.0.2");
    EXPECT_EQ(d.dns2, "10.0.0.3");
    EXPECT_EQ(d.ipStatus, kIpDhcp);
    EXPECT_EQ(d.productCode, "0102");
    EXPECT_EQ(d.firmware, "0107");
    EXPECT_EQ(d.description, "Office storage, 2nd floor");
    EXPECT_EQ(d.date, "20100305");
    EXPECT_EQ(d.time, "070809");
    EXPECT_EQ(d.timeZone, 74);
    EXPECT_EQ(d.passwordFlag, 1);
    EXPECT_EQ(d.adminUser, "root");
    EXPECT_EQ(d.adminPassword, "eightchr");
    EXPECT_EQ(d.shares, (std::vector<std::string>{"Public", "Scans and more"}));
    ASSERT_EQ(d.usb.size(), 1u);
    EXPECT_EQ(d.usb[0].deviceId, "USB1_DISK1");
    EXPECT_EQ(d.usb[0].fileSystem, "FAT32");
    EXPECT_EQ(d.usb[0].totalMegabytes, 4294967295u);
    EXPECT_EQ(d.usb[0].freePercent, -5);
    EXPECT_EQ(d.searchWord, 0xbeef);
    ASSERT_EQ(d.faults.size(), 2u);
    EXPECT_EQ(d.faults[0].command, CMD_VERIFY);
}

TEST(ConfigFile, FillsDefaultsForKeysLeftOut) {
    std::string error;
    auto devices = Parse(kMinimalDevice, error);
    ASSERT_TRUE(devices) << error;
    const DeviceState& d = (*devices)[0];
    EXPECT_EQ(d.productCode, "0101");
    EXPECT_EQ(d.mask, "255.255.255.0");
    EXPECT_EQ(d.gateway, "0.0.0.0");
    EXPECT_EQ(d.ipStatus, kIpStatic);
    EXPECT_EQ(d.passwordFlag, 0);
    EXPECT_EQ(d.adminUser, "admin");
    EXPECT_TRUE(d.shares.empty());
}

std::string Device(const std::string& extraLine) {
    return std::string(kMinimalDevice) + extraLine + "\n";
}

TEST(ConfigFile, ReportsMistakesWithTheirLine) {
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"name = A\n", "line 1: 'name' before the first [device]"},
        {"[printer]\n", "line 1: unknown section [printer]"},
        {Device("colour = red"), "line 5: unknown key 'colour'"},
        {Device("just words"), "line 5: expected key = value"},
        {Device("mac = 02:5a:00:00:00"), "line 5: mac:"},
        {Device("mac = 02:5a:00:00:00:0g"), "line 5: mac:"},
        {Device("ip = 198.51.100.256"), "line 5: ip:"},
        {Device("mask = 255.255.255"), "line 5: mask:"},
        {Device("name = SEVENTEEN-CHARS-X"), "line 5: name: must be 1 to 16"},
        {Device("name ="), "line 5: name: must be 1 to 16"},
        {Device("firmware = 107"), "line 5: firmware: must be 4"},
        {Device("description = " + std::string(65, 'd')), "line 5: description:"},
        {Device("date = 2010035"), "line 5: date: must be 8 digits"},
        {Device("time = 07h809"), "line 5: time: must be 6 digits"},
        {Device("timezone = 256"), "line 5: timezone:"},
        {Device("password_flag = maybe"), "line 5: password_flag:"},
        {Device("admin_password = ninechars"), "line 5: admin_password:"},
        {Device("ip_status = auto"), "line 5: ip_status:"},
        {Device("share = " + std::string(36, 's')), "line 5: share:"},
        {Device("usb = Public, USB1, FAT32, 100"), "line 5: usb:"},
        {Device("usb = Public, USB1, FILESYSTEM, 100, 5"), "line 5: usb:"},
        {Device("usb = Public, USB1, FAT32, 4294967296, 5"), "line 5: usb:"},
        {Device("usb = Public, USB1, FAT32, 100, 32768"), "line 5: usb:"},
        {Device("search_word = 65536"), "line 5: search_word:"},
        {Device("fault = loud"), "line 5: fault:"},
        {"[device]\nname = A\nip = 198.51.100.1\n[device]\n", "device at line 1 has no mac"},
        {std::string(kMinimalDevice) + kMinimalDevice, "device at line 5 repeats mac"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_FALSE(Parse(c.text, error));
        EXPECT_NE(error.find(c.error), std::string::npos) << "error: " << error;
    }
}

TEST(ConfigFile, FileWithoutDevicesIsEmpty) {
    std::string error;
    auto devices = Parse("# only generated devices answer\n\n", error);
    ASSERT_TRUE(devices) << error;
    EXPECT_TRUE(devices->empty());
}

TEST(ConfigFile, LimitsUsbEntriesToWhatAReplyHolds) {
    std::string text = kMinimalDevice;
    for (int i = 0; i < 15; ++i) {
        text += "usb = S, D, FAT32, 1, 1\n";
    }
    std::string error;
    EXPECT_FALSE(Parse(text, error));
    EXPECT_NE(error.find("line 19: usb: more than 14"), std::string::npos) << error;
}

// The example on the help's "key = example" line; empty when the help has no such line.
std::string HelpExample(const std::string& help, const std::string& key) {
    const std::string start = "\n  " + key + " = ";
    const size_t from = help.find(start);
    if (from == std::string::npos) {
        return "";
    }
    const size_t begin = from + start.size();
    return help.substr(begin, std::min(help.find("  ", begin), help.find('\n', begin)) - begin);
}

const char kKeyNames[] =
    "name mac ip mask gateway dns1 dns2 ip_status product firmware description date time timezone "
    "password_flag admin_user admin_password share usb search_word fault";

TEST(ConfigFile, HelpShowsEveryKeyWithAnExampleItTakesAndItsLimits) {
    const std::string help = ConfigFileHelp();
    std::istringstream keys(kKeyNames);
    for (std::string key; keys >> key;) {
        SCOPED_TRACE(key);
        const std::string example = HelpExample(help, key);
        ASSERT_FALSE(example.empty());
        std::string error;
        EXPECT_TRUE(Parse(Device(key + (" = " + example)), error)) << error;
    }
    for (const char* rule :
         {"required; 1 to 16 characters", "a dotted IPv4 address; default 255.255.255.0",
          "up to 8 characters; default empty", "at most 5120 shares"}) {
        EXPECT_NE(help.find(rule), std::string::npos) << rule;
    }
}

}  // namespace
}  // namespace zerin::devsim
