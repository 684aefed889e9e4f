// The command line: values reach their options, bad ones are refused with a reason, and the help
// shows the configuration file and the built-in devices.
#include "tools/devsim/options.h"

#include <gtest/gtest.h>

#include "tools/devsim/config_file.h"

namespace zerin::devsim {
namespace {

TEST(Options, ReadsEveryOption) {
    std::string error;
    std::optional<Options> options = ParseOptions(
        {"--config", "devices.conf", "--burst", "9999", "--fault", "silent@verify", "--fault",
         "twice", "--bind", "127.0.0.1", "--port", "16380", "--log", "out.log", "--ready", "r"},
        error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->configPath, "devices.conf");
    EXPECT_EQ(options->burst, 9999);
    EXPECT_EQ(options->faults.size(), 2u);
    EXPECT_EQ(options->bindAddress, "127.0.0.1");
    EXPECT_EQ(options->port, 16380);
    EXPECT_EQ(options->logPath, "out.log");
    EXPECT_EQ(options->readyPath, "r");
}

TEST(Options, RefusesBadArguments) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--colour"}, "unknown option --colour"}, {{"--config"}, "--config needs a file name"},
        {{"--port", "0"}, "--port needs"},         {{"--port", "65536"}, "--port needs"},
        {{"--burst", "0"}, "--burst needs"},       {{"--burst", "10000"}, "--burst needs"},
        {{"--bind", "localhost"}, "--bind needs"}, {{"--fault", "loud"}, "--fault needs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        std::string error;
        EXPECT_FALSE(ParseOptions(c.args, error));
        EXPECT_NE(error.find(c.error), std::string::npos) << "error: " << error;
    }
}

TEST(Options, HelpShowsTheFileFormatAndTheBuiltInDevicesWithTheirAdministrators) {
    const std::string help = HelpText();
    EXPECT_NE(help.find(kUsage), std::string::npos);
    EXPECT_NE(help.find(ConfigFileHelp()), std::string::npos);
    const struct {
        const char* device;
        const char* administrator;
    } cases[] = {
        {"NETSTOR-000010", "static  user admin, empty password"},
        {"NETSTOR-000011", "dhcp    guarded: user admin, password secret"},
        {"NETSTOR-000012", "static  user admin, empty password"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.device);
        const size_t start = help.find(std::string("\n  ") + c.device);
        ASSERT_NE(start, std::string::npos);
        const std::string line = help.substr(start + 1, help.find('\n', start + 1) - start - 1);
        EXPECT_NE(line.find(c.administrator), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace zerin::devsim
