// The value formats that users give and devices report: numbers, dates, times and seconds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zerin {

struct Date {
    int year, month, day;
};

struct TimeOfDay {
    int hour, minute, second;
};

// Decimal digits only, within [min, max].
std::optional<int> ParseNumber(std::string_view text, int min, int max);

// A real calendar date from the year 1601 (the setup wizard's date picker's first) to 9999:
// YYYY-MM-DD, or YYYYMMDD as devices report it.
std::optional<Date> ParseDate(std::string_view text);

// HH:MM:SS, or HHMMSS as devices report it.
std::optional<TimeOfDay> ParseTime(std::string_view text);

struct Clock {
    Date date;
    TimeOfDay time;
};

// "YYYY-MM-DD HH:MM:SS", a real date and time.
std::optional<Clock> ParseClock(std::string_view text);
std::string FormatClock(const Clock& clock);

// The text with its ASCII letters in lower case.
std::string LowerCase(std::string text);

// xx:xx:xx:xx:xx:xx in any case, as the files of the tool hold a MAC address, made lower case as
// search prints it; false for any other text.
bool NormaliseMac(std::string& mac);

// Seconds as a user gives them, in whole milliseconds.
int Milliseconds(double seconds);

}  // namespace zerin
