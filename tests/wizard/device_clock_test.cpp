// The device's date and time made into a local time, as the device settings page shows it.
#include "ui/wizard/device_clock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zerin::ui {
namespace {

using ::testing::ElementsAreArray;

std::vector<int> Fields(const LocalDateTime& time) {
    return {time.year, time.month, time.day, time.hour, time.minute, time.second};
}

TEST(DeviceClockTest, NumbersAreReadFromTheirLeadingDigitsAndCarried) {
    struct Case {
        const char* date;
        const char* time;
        std::vector<int> local;
    };
    const Case cases[] = {
        {"20091014", "093005", {2009, 10, 14, 9, 30, 5}},
        {"20091314", "000000", {2010, 1, 14, 0, 0, 0}},
        {"20091231", "240000", {2010, 1, 1, 0, 0, 0}},
        {"20090229", "000060", {2009, 3, 1, 0, 1, 0}},
        {"200910xx", "09x", {2009, 9, 30, 9, 0, 0}},
        {"19700102", "000000", {1970, 1, 2, 0, 0, 0}},
        {"20371231", "235959", {2037, 12, 31, 23, 59, 59}},
    };
    for (const Case& c : cases) {
        const auto local = DeviceLocalTime(c.date, c.time);
        ASSERT_TRUE(local.has_value()) << c.date << " " << c.time;
        EXPECT_THAT(Fields(*local), ElementsAreArray(c.local)) << c.date << " " << c.time;
    }
}

TEST(DeviceClockTest, NoLocalTimeOutsideTheDatesThePageOffers) {
    const std::pair<const char*, const char*> cases[] = {
        {"00000000", "000000"}, {"", ""},
        {"19700101", "235959"}, {"20371231", "240000"},
        {"20380119", "000000"}, {"99999999", "999999"},
    };
    for (const auto& [date, time] : cases) {
        EXPECT_FALSE(DeviceLocalTime(date, time).has_value()) << date << " " << time;
    }
}

}  // namespace
}  // namespace zerin::ui
