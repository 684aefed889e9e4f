// The command line as a whole: every bad value is refused with exit status 2 before anything is
// sent; help and the version are exit status 0.
#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sstream>

#include "tests/cli/fake_command_context.h"
#include "tests/support/device_replies.h"
#include "zerin_version.h"

namespace zerin::cli {
namespace {

class CliAppTest : public ::testing::Test, protected FakeCommandContext {
  protected:
    int Run(const std::vector<std::string>& words) {
        out.str("");
        err.str("");
        return RunCli(words, context);
    }
};

TEST_F(CliAppTest, BadInputIsRefusedBeforeAnythingIsSent) {
    struct Case {
        std::vector<std::string> words;
        const char* error;
    };
    const Case cases[] = {
        {{}, "A subcommand is required"},
        {{"frobnicate", "--json"}, "unknown command frobnicate"},
        {{"show"}, "DEVICE is required"},
        {{"search", "--bogus"}, "--bogus"},
        {{"set-device", "D", "--date", "2021-02-30"}, "takes a real calendar date"},
        {{"set-device", "D", "--date", "21-01-01"}, "takes a real calendar date"},
        {{"set-device", "D", "--time", "24:00:00"}, "takes a 24-hour time"},
        {{"set-device", "D", "--timezone", "75"}, "from 0 to 74, or none"},
        {{"set-device", "D", "--description", "v1.2"}, "each a digit, a letter"},
        {{"set-device", "D", "--description", std::string(64, 'd')}, "at most 63 characters"},
        {{"set-device", "D", "--ask-password", "maybe"}, "--ask-password"},
        {{"set-device", "D", "--user", std::string(17, 'u')}, "at most 16 bytes"},
        {{"set-device", "D", "--password", "ninechars"}, "the password takes at most 8 bytes"},
        {{"set-device", "D", "--password-file", "/nonexistent"}, "cannot read the password file"},
        {{"set-network", "D", "--mask", "255.255.0"}, "takes a dotted IPv4 address"},
        {{"set-network", "D", "--ip", "10.0.0.256"}, "takes a dotted IPv4 address"},
        {{"set-network", "D", "--dhcp", "--static"}, "excludes"},
        {{"show", "D", "--timeout", "0"}, "--timeout"},
        {{"verify", "D"}, "--user is required"},
        {{"show", "D", "--adapter", "wlan9"},
         "no adapter wlan9; the adapters: eth0 (198.51.100.1)"},
        {{"search", "--json", "--csv"}, "excludes"},
        {{"search", "--count", "3"}, "requires --watch"},
        {{"verify", "D", "--user", "admin"}, "no password for D"},
        {{"verify", "D", "--user", "admin", "--password-stdin"}, "no line on standard input"},
        {{"search", "--target", "203.0.113.256"}, "not an address, a block such as"},
        {{"search", "--target", "203.0.113.0/33"}, "not an address, a block such as"},
        {{"show", "D", "--target", "203.0.113.40-203.0.113.10"}, "the range ends before it starts"},
        {{"apply", "f.json", "--target", "printer"}, "target printer: not an address"},
        {{"search", "--target", "10.0.0.0/15"},
         "the targets hold 131072 addresses; one run sends to 65536 at most"},
        {{"search", "--target", "10.0.0.0/16", "--target", "10.1.0.0"},
         "the targets hold 65537 addresses"},
        {{"search", "--no-broadcast"}, "--no-broadcast leaves nothing to send to"},
        {{"search", "--no-broadcast", "--adapter", "eth0", "--target", "10.0.0.1"}, "excludes"},
        {{"search", "--target", "10.0.0.1", "--rate", "0"}, "--rate"},
        {{"show", "D", "--retries", "11"}, "--retries"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.words), 2) << c.error;
        EXPECT_NE(err.str().find(c.error), std::string::npos) << err.str();
        EXPECT_EQ(out.str(), "") << c.error;
        EXPECT_TRUE(scripted.calls.empty()) << c.error;
    }
}

TEST_F(CliAppTest, HelpShowsTheExitStatusesAndTheVersionIsTheBuilds) {
    EXPECT_EQ(Run({"/?"}), 0);
    EXPECT_NE(out.str().find("3  the administrator name or password was not accepted"),
              std::string::npos)
        << out.str();
    for (const char* help : {"--help", "/?", "-?"}) {
        EXPECT_EQ(Run({"set-network", help}), 0) << help;
        EXPECT_NE(out.str().find("--password-stdin"), std::string::npos) << help << out.str();
    }
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(out.str(), "zerin-cli " ZERIN_VERSION_TEXT "\n");
    EXPECT_TRUE(scripted.calls.empty());
}

TEST_F(CliAppTest, SearchPrintsAlignedColumnsOnATerminalAndTabbedLinesElsewhere) {
    testing::DeviceState second;
    second.name = "SHELF";
    second.mac = {0x02, 0x5a, 0, 0, 0, 0x11};
    second.ip = "192.0.2.7";
    testing::ScriptedDevices devices(scripted, {testing::DeviceState(), second});
    for (const bool terminal : {true, false}) {
        console.outputTerminal = terminal;
        EXPECT_EQ(Run({"search"}), 0);
        EXPECT_EQ(out.str(), terminal
                                 ? "NAME            MAC ADDRESS        IP ADDRESS     ADAPTER\n"
                                   "NETSTOR-000010  02:5a:00:00:00:10  198.51.100.10  eth0\n"
                                   "SHELF           02:5a:00:00:00:11  192.0.2.7      eth0\n"
                                 : "NETSTOR-000010\t02:5a:00:00:00:10\t198.51.100.10\teth0\n"
                                   "SHELF\t02:5a:00:00:00:11\t192.0.2.7\teth0\n");
    }
}

// A search for a named device ends at its answer; search itself takes its whole window.
TEST_F(CliAppTest, ASearchForANamedDeviceEndsWhenItAnswers) {
    testing::ScriptedDevices devices(scripted, {testing::DeviceState()});
    EXPECT_EQ(Run({"show", "NETSTOR-000010"}), 0);
    EXPECT_TRUE(scripted.waits.empty());
    EXPECT_EQ(Run({"search", "--window", "1"}), 0);
    // Waits up to the second send a quarter of the way in, then to the window's end.
    EXPECT_EQ(scripted.waits,
              (std::vector<int>{100, 100, 50, 100, 100, 100, 100, 100, 100, 100, 50}));
}

// A guarded device whose address lies outside the adapter's subnet: its verification goes by
// broadcast with a warning, or not at all with --no-broadcast-password.
TEST_F(CliAppTest, APasswordOnlyABroadcastCanCarryIsSaidOrRefused) {
    testing::DeviceState device;
    device.ip = "192.0.2.51";
    device.passwordFlag = 1;
    testing::ScriptedDevices devices(scripted, {device});
    context.passwordVariable = "secret";
    const auto verifications = [this] {
        return std::count_if(scripted.sent.begin(), scripted.sent.end(),
                             [](const testing::Bytes& sent) { return sent[0] == CMD_VERIFY; });
    };
    const std::string warning =
        "NETSTOR-000010 has an address outside this network: its administrator password is ";
    const std::vector<std::string> refused[] = {
        {"verify", "NETSTOR-000010", "--user", "admin", "--no-broadcast-password"},
        {"set-device", "NETSTOR-000010", "--user", "admin", "--description", "Shelf",
         "--no-broadcast-password"}};
    for (const auto& words : refused) {
        EXPECT_EQ(Run(words), 2) << words[0];
        EXPECT_NE(err.str().find(warning + "not sent as a broadcast"), std::string::npos)
            << err.str();
        EXPECT_EQ(verifications(), 0) << words[0];
    }
    EXPECT_EQ(Run({"set-device", "NETSTOR-000010", "--user", "admin", "--description", "Shelf"}),
              0);
    EXPECT_NE(err.str().find(warning + "sent as a broadcast\n"), std::string::npos) << err.str();
    EXPECT_EQ(verifications(), 1);
}

TEST_F(CliAppTest, ASearchThatCannotBeSentIsANetworkFailure) {
    scripted.sendError = 101;
    EXPECT_EQ(Run({"search"}), 4);
    EXPECT_EQ(err.str(),
              "zerin-cli: the network failed: a request could not be sent: scripted error 101 "
              "(error 101)\n");
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliAppTest, AWatchEndsAfterItsCountOrAtAStopRequest) {
    EXPECT_EQ(Run({"search", "--watch", "--interval", "0.5", "--count", "2"}), 0);
    EXPECT_TRUE(stopSignals.caught);
    // Two windows of 20 waits, and between them the interval in 5 sleeps of 100 ms.
    EXPECT_EQ(scripted.waits, std::vector<int>(40, 100));
    EXPECT_EQ(scripted.sleeps, std::vector<int>(5, 100));

    scripted.sleeps.clear();
    stopSignals.received = 15;
    EXPECT_EQ(Run({"search", "--watch"}), 0);
    EXPECT_TRUE(scripted.sleeps.empty());
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace zerin::cli
