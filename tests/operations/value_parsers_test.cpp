// The command line's value formats.
#include "operations/value_parsers.h"

#include <gtest/gtest.h>

namespace zerin {
namespace {

TEST(ValueParsersTest, DatesWithOrWithoutDashes) {
    const auto dashed = ParseDate("2010-03-05");
    ASSERT_TRUE(dashed);
    EXPECT_EQ(dashed->year, 2010);
    EXPECT_EQ(dashed->month, 3);
    EXPECT_EQ(dashed->day, 5);
    for (const char* good : {"20240115", "2024-02-29", "2000-02-29", "1601-01-01", "9999-12-31"}) {
        EXPECT_TRUE(ParseDate(good)) << good;
    }
    for (const char* bad : {"", "2024", "2010-3-05", "2010-13-01", "2010-00-10", "2010-01-32",
                            "20100305x", "2010/03/05", "+010-03-05", "2010-03-05-01", "2021-02-29",
                            "1900-02-29", "2021-02-30", "2021-04-31", "1600-12-31"}) {
        EXPECT_FALSE(ParseDate(bad)) << bad;
    }
}

TEST(ValueParsersTest, TimesWithOrWithoutColons) {
    const auto time = ParseTime("07:08:09");
    ASSERT_TRUE(time);
    EXPECT_EQ(time->hour, 7);
    EXPECT_EQ(time->minute, 8);
    EXPECT_EQ(time->second, 9);
    EXPECT_TRUE(ParseTime("235959"));
    for (const char* bad : {"", "12", "24:00:00", "12:60:00", "7:08:09", "070809 ", "12:00"}) {
        EXPECT_FALSE(ParseTime(bad)) << bad;
    }
}

TEST(ValueParsersTest, NumbersWithinTheirRange) {
    EXPECT_EQ(ParseNumber("74", 0, 74), 74);
    EXPECT_EQ(ParseNumber("75", 0, 74), std::nullopt);
    EXPECT_EQ(ParseNumber("-1", -5, 74), std::nullopt);
    EXPECT_EQ(ParseNumber("99999999999", 0, 74), std::nullopt);
}

}  // namespace
}  // namespace zerin
