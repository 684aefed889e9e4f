// The fleet file: what it gives, and every refusal naming its entry and key.
#include "operations/fleet/fleet_file.h"

#include <gtest/gtest.h>

namespace zerin {
namespace {

TEST(FleetFileTest, EntriesTakeTheirOwnSettingsOverTheDefaults) {
    std::string error;
    const auto file = ReadFleetFile(R"({
        "defaults": {"timeZone": 56, "network": {"mode": "static", "mask": "255.255.255.0"}},
        "devices": [
            {"mac": "00:1A:2B:3C:4D:31", "description": "Office", "timeZone": null,
             "network": {"ip": "198.51.100.31"}, "user": "admin", "passwordFile": "pw"},
            {"name": "NETSTOR-000011", "clock": "2021-02-28 23:59:59", "askPassword": false},
            {"mac": "00:1a:2b:3c:4d:32", "name": "NETSTOR-000032"}
        ],
        "targets": ["203.0.113.0/30", "192.0.2.9"]})",
                                    error);
    ASSERT_TRUE(file) << error;
    ASSERT_EQ(file->entries.size(), 3u);
    const FleetEntry& first = file->entries[0];
    EXPECT_EQ(first.label, "devices[0] (00:1a:2b:3c:4d:31)");
    EXPECT_EQ(first.mac, "00:1a:2b:3c:4d:31");
    EXPECT_EQ(first.settings.description, "Office");
    EXPECT_EQ(first.settings.timeZone, -1);
    EXPECT_EQ(first.settings.network.mode, "static");
    EXPECT_EQ(first.settings.network.addresses[0], "198.51.100.31");
    EXPECT_EQ(first.settings.network.addresses[1], "255.255.255.0");
    EXPECT_EQ(first.user, "admin");
    EXPECT_EQ(first.passwordFile, "pw");
    const FleetEntry& second = file->entries[1];
    EXPECT_EQ(second.name, "NETSTOR-000011");
    EXPECT_EQ(second.settings.timeZone, 56);
    EXPECT_EQ(second.settings.clock, "2021-02-28 23:59:59");
    EXPECT_EQ(second.settings.askPassword, false);
    EXPECT_FALSE(second.settings.description);
    const FleetEntry& third = file->entries[2];
    EXPECT_EQ(third.label, "devices[2] (00:1a:2b:3c:4d:32)");
    EXPECT_EQ(third.mac, "00:1a:2b:3c:4d:32");
    EXPECT_EQ(third.name, "NETSTOR-000032");
    ASSERT_EQ(file->targets.size(), 2u);
    EXPECT_EQ(file->targets[0].first, 0xcb007100u);
    EXPECT_EQ(file->targets[0].last, 0xcb007103u);
    EXPECT_EQ(file->targets[1].last, 0xc0000209u);
}

TEST(FleetFileTest, EveryRefusalNamesItsEntryAndKey) {
    const std::pair<const char*, const char*> cases[] = {
        {R"([])", "the file: an object with a \"devices\" array"},
        {R"({"devices": [], "default": {}})", "the file: unknown key \"default\""},
        {R"({"defaults": {"mac": "x"}, "devices": []})", "defaults: unknown key \"mac\""},
        {R"({"defaults": 3, "devices": []})", "defaults: an object of settings"},
        {R"({"devices": [{"name": "A", "descripton": "x"}]})",
         "devices[0] (A): unknown key \"descripton\""},
        {R"({"devices": [{"description": "x"}]})",
         "devices[0]: an entry names its device by \"mac\", by \"name\" or by both"},
        {R"({"devices": [{"mac": "00:1a:2b:3c:4d", "name": "A"}]})",
         "devices[0]: mac takes six hex pairs separated by colons"},
        {R"({"devices": [{"mac": "00:1a:2b:3c:4d:31", "name": "A"},
                         {"mac": "00:1a:2b:3c:4d:31", "name": "B"}]})",
         "devices[1] (00:1a:2b:3c:4d:31): names the device of devices[0] (00:1a:2b:3c:4d:31)"},
        {R"({"devices": [{"mac": "00-1a-2b-3c-4d-3g"}]})",
         "devices[0]: mac takes six hex pairs separated by colons"},
        {R"({"devices": [{"name": "A"}, {"name": "B", "timeZone": 75}]})",
         "devices[1] (B): timeZone takes an index from 0 to 74, or null"},
        {R"({"devices": [{"name": "A", "timeZone": "56"}]})",
         "devices[0] (A): timeZone takes an index from 0 to 74, or null"},
        {R"({"devices": [{"name": "A", "description": "v1.2"}]})",
         "devices[0] (A): description takes at most 63 characters, each a digit, a letter, a "
         "space, '-' or '_'"},
        {R"({"devices": [{"name": "A", "clock": "2021-02-29 10:00:00"}]})",
         "devices[0] (A): clock takes \"now\" or a real date and time YYYY-MM-DD HH:MM:SS"},
        {R"({"devices": [{"name": "A", "askPassword": "yes"}]})",
         "devices[0] (A): askPassword takes true or false"},
        {R"({"devices": [{"name": "A", "network": {"mode": "auto"}}]})",
         "devices[0] (A) network: mode takes \"static\" or \"dhcp\""},
        {R"({"devices": [{"name": "A", "network": {"ip": "10.0.0.256"}}]})",
         "devices[0] (A) network: ip takes a dotted IPv4 address"},
        {R"({"devices": [{"name": "A", "network": {"gw": "10.0.0.1"}}]})",
         "devices[0] (A) network: unknown key \"gw\""},
        {R"({"defaults": {"network": {"mask": "255.0.255.0"}}, "devices": [{"name": "A"}]})",
         "devices[0] (A): network.mask 255.0.255.0 is not a run of ones then zeros: the device "
         "would be lost"},
        {R"({"devices": [{"name": "A", "network": {"ip": "224.0.0.9"}}]})",
         "devices[0] (A): network.ip 224.0.0.9 is a multicast address"},
        {R"({"devices": [{"name": "A", "user": "seventeen-letters"}]})",
         "devices[0] (A): user takes at most 16 bytes"},
        {R"({"devices": [{"name": "A"}, {"name": "A"}]})",
         "devices[1] (A): names the device of devices[0] (A)"},
        {R"({"devices": [{"name": "A", "timeZone": 1e999}]})", "not JSON: a number out of range"},
        {R"({"devices": [], "targets": "203.0.113.7"})",
         "targets: an array of addresses, blocks and ranges"},
        {R"({"devices": [], "targets": ["203.0.113.7", 7]})", "targets[1]: a target takes text"},
        {R"({"devices": [], "targets": ["203.0.113.40-203.0.113.10"]})",
         "targets[0]: target 203.0.113.40-203.0.113.10: the range ends before it starts"},
        {R"({"devices": [)", "not JSON: syntax error at line 1, column 14"},
        {"{\n  \"devices\": [\n    {\"name\": \"A\",}\n  ]\n}",
         "not JSON: syntax error at line 3, column 18"},
    };
    for (const auto& [text, expected] : cases) {
        std::string error;
        EXPECT_FALSE(ReadFleetFile(text, error)) << text;
        EXPECT_NE(error.find(expected), std::string::npos) << text << "\n  gave: " << error;
    }
}

}  // namespace
}  // namespace zerin
