// The command-line parsing of one command's words.
#include "cli/arguments.h"

#include <gtest/gtest.h>

namespace zerin::cli {
namespace {

const std::vector<OptionRule> kRules = {{"--json", false}, {"--user", true}};

TEST(ArgumentsTest, TakesPositionalWordsFlagsAndOptionValuesInAnyOrder) {
    std::string error;
    const auto arguments =
        ParseArguments({"--user", "--json", "NETSTOR-1", "--json"}, kRules, 1, error);
    ASSERT_TRUE(arguments) << error;
    EXPECT_EQ(arguments->positional, std::vector<std::string>{"NETSTOR-1"});
    EXPECT_EQ(arguments->Value("--user"), "--json");  // an option's value is the next word
    EXPECT_TRUE(arguments->Has("--json"));
    EXPECT_EQ(arguments->Value("--password"), std::nullopt);
}

TEST(ArgumentsTest, RefusesWhatTheCommandDoesNotTake) {
    struct Case {
        std::vector<std::string> words;
        const char* error;
    };
    const Case cases[] = {
        {{"dev", "--verbose"}, "unknown option --verbose"},
        {{"dev", "--user"}, "--user needs a value"},
        {{}, "expected 1 argument(s) before the options"},
        {{"dev", "other"}, "expected 1 argument(s) before the options"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseArguments(c.words, kRules, 1, error));
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
}  // namespace zerin::cli
