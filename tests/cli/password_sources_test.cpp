// Where the password comes from: the first source given wins, a prompt only at a terminal, and
// the password never on the output.
#include "cli/password_sources.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/cli/fake_platform.h"

namespace zerin::cli {
namespace {

class PasswordSourcesTest : public ::testing::Test {
  protected:
    PasswordSourcesTest() { std::ofstream(file_) << "fromfile\r\nsecond line\n"; }
    ~PasswordSourcesTest() override { std::remove(file_.c_str()); }

    GivenPassword Read(const CredentialOptions& options,
                       const std::optional<std::string>& variable = std::nullopt) {
        return ReadGivenPassword(options, in_, variable, err_);
    }

    const std::string file_ = ::testing::TempDir() + "password_sources_test.txt";
    std::istringstream in_{"instdin\nmore\n"};
    std::ostringstream err_;
};

// An explicit source beats ZERIN_PASSWORD; two explicit sources are one too many.
TEST_F(PasswordSourcesTest, AnExplicitSourceBeatsTheVariable) {
    struct Case {
        CredentialOptions options;
        std::optional<std::string> variable;
        std::optional<std::string> password;
        const char* error;
    };
    const char* const twoSources =
        "give one password source of --password-file, --password-stdin and --password";
    const Case cases[] = {
        {{"admin", file_, false, std::nullopt}, "fromenv", "fromfile", ""},
        {{"admin", std::nullopt, true, std::nullopt}, "fromenv", "instdin", ""},
        {{"admin", std::nullopt, false, "fromargs"}, "fromenv", "fromargs", ""},
        {{"admin", std::nullopt, false, "fromargs"}, std::nullopt, "fromargs", ""},
        {{"admin", std::nullopt, false, std::nullopt}, "fromenv", "fromenv", ""},
        {{"admin", std::nullopt, false, std::nullopt}, "", "", ""},
        {{"admin", std::nullopt, false, std::nullopt}, std::nullopt, std::nullopt, ""},
        {{"admin", file_, true, std::nullopt}, "fromenv", std::nullopt, twoSources},
        {{"admin", std::nullopt, true, "fromargs"}, std::nullopt, std::nullopt, twoSources},
        {{"admin", file_, false, "fromargs"}, std::nullopt, std::nullopt, twoSources},
    };
    for (const Case& c : cases) {
        in_.seekg(0);
        const GivenPassword given = Read(c.options, c.variable);
        EXPECT_EQ(given.password, c.password) << c.password.value_or("(none)");
        EXPECT_EQ(given.error, c.error);
    }
}

TEST_F(PasswordSourcesTest, OnlyAPasswordOnTheCommandLineIsWarnedAbout) {
    Read({"admin", file_, false, std::nullopt});
    EXPECT_EQ(err_.str(), "");
    Read({"admin", std::nullopt, false, "fromargs"});
    EXPECT_NE(err_.str().find("can be seen by other users"), std::string::npos) << err_.str();
    EXPECT_EQ(err_.str().find("fromargs"), std::string::npos);
}

TEST_F(PasswordSourcesTest, SourcesThatCannotBeReadAreErrors) {
    in_.str("");
    struct Case {
        CredentialOptions options;
        std::string error;
    };
    const Case cases[] = {
        {{"admin", "/nonexistent/pw", false, std::nullopt},
         "cannot read the password file /nonexistent/pw: No such file or directory"},
        {{"admin", std::nullopt, true, std::nullopt},
         "--password-stdin: no line on standard input"},
        {{"admin", std::nullopt, false, "ninechars"}, "the password takes at most 8 bytes"},
    };
    for (const Case& c : cases) {
        const GivenPassword given = Read(c.options);
        EXPECT_FALSE(given.password);
        EXPECT_EQ(given.error, c.error);
    }
}

TEST(PasswordPromptTest, AsksOnlyAtATerminalAndReadsWithoutEcho) {
    testing::FakeConsole console;
    console.typed = "typed";
    std::ostringstream err;
    EXPECT_FALSE(PromptForPassword(console, err, "Password: "));
    EXPECT_EQ(console.reads, 0);
    EXPECT_EQ(err.str(), "");

    console.terminal = true;
    EXPECT_EQ(PromptForPassword(console, err, "Password: "), "typed");
    EXPECT_EQ(err.str(), "Password: ");
}

}  // namespace
}  // namespace zerin::cli
