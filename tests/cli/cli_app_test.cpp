// The command line as a whole: every bad value is refused with exit status 2 before anything is
// sent; help and the version are exit status 0.
#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sstream>

#include "operations/search/device_finder.h"
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
        {{}, "a command is required: zerin-cli help lists them"},
        {{"frobnicate", "--json"}, "unknown command frobnicate"},
        {{"show"}, "DEVICE is required"},
        {{"search", "--bogus"}, "--bogus"},
        {{"set-device", "D", "--date", "2021-02-30"}, "takes a real calendar date"},
        {{"set-device", "D", "--date", "21-01-01"}, "takes a real calendar date"},
        {{"set-device", "D", "--time", "24:00:00"}, "takes a 24-hour time"},
        {{"set-device", "D", "--timezone", "75"}, "the list's indexes run from 0 to 74"},
        {{"set-device", "D", "--timezone", "GMT+01:00"}, "names 5 time zones: 27 (GMT+01:00)"},
        {{"set-device", "D", "--timezone", "Atlantis"}, "no time zone is named \"Atlantis\""},
        {{"set-device", "D", "--description", "v1.2"}, "each a digit, a letter"},
        {{"set-device", "D", "--description", std::string(64, 'd')}, "at most 63 characters"},
        {{"set-device", "D", "--ask-password", "maybe"}, "--ask-password"},
        {{"set-device", "D", "--user", std::string(17, 'u')}, "at most 16 bytes"},
        {{"set-device", "D", "--ask-password", "no", "--password", "ninechars"},
         "the password takes at most 8 bytes"},
        {{"set-device", "D", "--ask-password", "no", "--password-file", "/nonexistent"},
         "cannot read the password file"},
        {{"set-device", "D"}, "nothing to set: give --description, --clock"},
        {{"set-device", "D", "--clock", "yesterday"}, "takes now or a real date and time"},
        {{"set-device", "D", "--clock", "now", "--date", "2020-01-01"}, "excludes"},
        {{"set-network", "D", "--user", "admin"}, "nothing to set: give --dhcp, --static"},
        {{"set-network", "D", "--mask", "255.255.255.1"}, "--mask 255.255.255.1 is not a run"},
        {{"set-network", "D", "--ip", "127.0.0.1"}, "--ip 127.0.0.1 is a loopback address"},
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

// A search for a device by MAC address ends at its answer, one by name a settle time later for
// another of the name; search itself takes its whole window.
TEST_F(CliAppTest, ASearchForANamedDeviceEndsWhenItAnswers) {
    testing::ScriptedDevices devices(scripted, {testing::DeviceState()});
    EXPECT_EQ(Run({"show", "02:5a:00:00:00:10"}), 0);
    EXPECT_TRUE(scripted.waits.empty());
    EXPECT_EQ(Run({"show", "NETSTOR-000010"}), 0);
    EXPECT_EQ(scripted.waits, std::vector<int>(1, kSameNameSettleMs));
    scripted.waits.clear();
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

// A device is named by its MAC address in any common form, or by its name in any case; a name two
// devices share names neither.
TEST_F(CliAppTest, ADeviceIsNamedByItsMacInAnyFormOrItsNameInAnyCase) {
    testing::DeviceState twin;
    twin.mac = {0x02, 0x5a, 0, 0, 0, 0x11};
    twin.ip = "198.51.100.11";
    testing::ScriptedDevices devices(scripted, {testing::DeviceState(), twin});
    for (const char* device : {"02:5a:00:00:00:10", "02-5A-00-00-00-10", "025a.0000.0010",
                               "025A00000010", "02:5A:00:00:00:10"}) {
        EXPECT_EQ(Run({"show", device, "--json"}), 0) << device << err.str();
        EXPECT_NE(out.str().find(R"("macAddress":"02:5a:00:00:00:10")"), std::string::npos)
            << device;
    }
    for (const char* device : {"netstor-000010", "NETSTOR-000010"}) {
        EXPECT_EQ(Run({"show", device}), 2) << device;
        EXPECT_NE(err.str().find("2 devices are named " + std::string(device) +
                                 ": 02:5a:00:00:00:10 at 198.51.100.10, 02:5a:00:00:00:11 at "
                                 "198.51.100.11; name one by its MAC address"),
                  std::string::npos)
            << err.str();
    }
    for (const char* notAMac : {"02:5a:00:00:00", "02:5a-00:00:00:10", "025a.00000.010"}) {
        EXPECT_EQ(Run({"show", notAMac}), 2) << notAMac;
        EXPECT_NE(err.str().find("no device named"), std::string::npos) << notAMac;
    }
}

// Under --json every outcome is one JSON value on standard output, with the error and the exit
// status when the command did not succeed; none of the protocol core's own texts is said.
TEST_F(CliAppTest, UnderJsonEveryOutcomeIsOneJsonValue) {
    testing::DeviceState guarded;
    guarded.passwordFlag = 1;
    guarded.verifyStatus = 1;
    struct Case {
        std::vector<std::string> words;
        int status;
        const char* json;  // a part of the one line printed
    };
    const Case cases[] = {
        {{"show", "NOBODY", "--json"},
         2,
         R"({"error":"no device named NOBODY answered the search","exitStatus":2})"},
        {{"--json", "show", "NOBODY"}, 2, R"("exitStatus":2})"},
        {{"verify", "NETSTOR-000010", "--user", "admin", "--password", "wrong", "--json"},
         3,
         R"("accepted":false,"status":1,"error":"NETSTOR-000010 did not accept the administrator)"
         R"( name or password","exitStatus":3})"},
        {{"set-device", "NETSTOR-000010", "--description", "Shelf", "--json"},
         2,
         R"({"device":"02:5a:00:00:00:10","error":"NETSTOR-000010 asks for its administrator's)"
         R"( name and password: give --user)"},
        {{"set-device", "NETSTOR-000010", "--description", "Shelf", "--user", "admin", "--password",
          "wrong", "--json"},
         3,
         R"(did not accept the administrator name or password, nothing written","exitStatus":3})"},
        {{"search", "--no-broadcast", "--json"},
         2,
         R"({"error":"--no-broadcast leaves nothing to send to without a target","exitStatus":2})"},
    };
    testing::ScriptedDevices devices(scripted, {guarded});
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.words), c.status) << c.words[0];
        const std::string printed = out.str();
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
        EXPECT_NE(printed.find(c.json), std::string::npos) << printed;
        EXPECT_EQ(err.str().find("Verify failed!"), std::string::npos) << err.str();
    }
}

// set-device writes only what differs; a dry run writes nothing and says what would change.
TEST_F(CliAppTest, OnlyWhatDiffersIsWrittenAndADryRunWritesNothing) {
    testing::ScriptedDevices devices(scripted, {testing::DeviceState()});
    const auto writes = [&] {
        return std::count_if(devices.requests.begin(), devices.requests.end(),
                             [](const testing::Bytes& r) { return r[0] == CMD_SET_DEVICE_INFO; });
    };
    EXPECT_EQ(Run({"set-device", "NETSTOR-000010", "--description", "Office storage"}), 0);
    EXPECT_EQ(out.str(), "unchanged\n");
    EXPECT_EQ(Run({"set-device", "NETSTOR-000010", "--description", "Shelf", "--dry-run"}), 0);
    EXPECT_EQ(out.str(), "would change: description \"Office storage\" -> \"Shelf\"\n");
    EXPECT_EQ(writes(), 0);
    EXPECT_EQ(Run({"set-device", "NETSTOR-000010", "--description", "Shelf", "--json"}), 0);
    EXPECT_NE(out.str().find(R"("result":"accepted","status":0,"changes":[{"field":"description")"),
              std::string::npos)
        << out.str();
    EXPECT_EQ(writes(), 1);
}

TEST_F(CliAppTest, HelpNamesTheCommandsAndEachCommandsOwnStatuses) {
    EXPECT_EQ(Run({"help"}), 0);
    EXPECT_NE(out.str().find("Commands:\n  adapters"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("4  the network failed"), std::string::npos);
    EXPECT_EQ(Run({"help", "search"}), 0);
    EXPECT_NE(out.str().find("Usage: zerin-cli search"), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find("3  the administrator name"), std::string::npos);
    EXPECT_EQ(Run({"help", "frobnicate"}), 2);
    EXPECT_EQ(Run({"search", "--window", "0"}), 2);
    EXPECT_NE(err.str().find("zerin-cli: --window takes 0.1 to 3600 seconds, not \"0\""),
              std::string::npos)
        << err.str();
    EXPECT_TRUE(scripted.calls.empty());
}

// The completion script offers every command, and after each command every option it declares.
TEST_F(CliAppTest, TheCompletionScriptListsEveryCommandAndOption) {
    EXPECT_EQ(Run({"completion", "bash"}), 0);
    const std::string script = out.str();
    for (const char* command : {"adapters", "search", "show", "verify", "set-device", "set-network",
                                "apply", "export", "timezones", "help", "completion"}) {
        EXPECT_NE(script.find(std::string("        ") + command + ") words=\""), std::string::npos)
            << command;
        EXPECT_EQ(Run({"help", command}), 0);
        const std::string help = out.str();
        for (size_t at = help.find("\n  --"); at != std::string::npos;
             at = help.find("\n  --", at + 1)) {
            const std::string option =
                help.substr(at + 3, help.find_first_of(" ,\n", at + 3) - at - 3);
            EXPECT_NE(script.find(" " + option), std::string::npos) << command << " " << option;
        }
    }
    EXPECT_NE(script.find("complete -o default -F _zerin_cli zerin-cli"), std::string::npos);
}

}  // namespace
}  // namespace zerin::cli
