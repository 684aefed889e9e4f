// The device's date and time as the device settings page shows them: the record's digit fields
// made into one local date and time, and the dates the page lets the user choose.
#pragma once

#include <optional>
#include <string_view>

namespace zerin::ui {

struct LocalDateTime {
    int year, month, day;
    int hour, minute, second;
};

// The first and last dates that a local time can carry in every time zone: the page's date
// picker offers these and the dates between them.
constexpr LocalDateTime kFirstDeviceDate{1970, 1, 2, 0, 0, 0};
constexpr LocalDateTime kLastDeviceDate{2037, 12, 31, 23, 59, 59};

// The local time of the numbers in a YYYYMMDD date and an HHMMSS time, each read from its
// leading digits (none read as 0), out-of-range values carried into the next larger unit and
// daylight saving time decided by the local rules. Nothing when they give no valid local time
// or a date outside the first and last device dates.
std::optional<LocalDateTime> DeviceLocalTime(std::string_view date, std::string_view time);

}  // namespace zerin::ui
