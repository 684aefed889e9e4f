// The description rule of the device settings.
#include "protocol/description_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace zerin {
namespace {

TEST(DescriptionRuleTest, AcceptsDigitsAsciiLettersSpaceHyphenAndUnderscoreOnly) {
    struct Case {
        std::string description;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"Office storage", true},
        {"Media_shelf - 2", true},
        {"0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ -_", true},
        {"v1.2", false},
        {"a+b", false},
        {"tab\there", false},
        {"caf\xc3\xa9", false},
        {"\x80", false},
        {"\xff", false},
        {std::string("nul\0x", 5), false},
        {"slash/", false},
        {"colon:", false},
        {"[", false},
        {"`", false},
        {"{", false},
        {"@", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidDescription(c.description), c.valid) << '"' << c.description << '"';
    }
}

TEST(DescriptionRuleTest, TheNoteNamesTheValidCharacters) {
    EXPECT_STREQ(kInvalidDescriptionMessage,
                 "Device description is invalid! \nValid characters are: '0-9', 'a-z', 'A-Z', "
                 "' ', '-', '_'.");
    EXPECT_STREQ(kInvalidDescriptionCaption, "Note");
}

}  // namespace
}  // namespace zerin
