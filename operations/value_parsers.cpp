// Parsing of the values users give and devices report.
#include "operations/value_parsers.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace zerin {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// One number of a date or a time: its digits and its range.
struct Field {
    size_t width;
    int min, max;
};

// Three numbers of the given fields, either separated by the separator or written together.
std::optional<std::array<int, 3>> ParseFields(std::string_view text, char separator,
                                              const Field (&fields)[3]) {
    std::vector<std::string_view> parts = Split(text, separator);
    const size_t together = fields[0].width + fields[1].width + fields[2].width;
    if (parts.size() == 1 && text.size() == together) {
        parts = {text.substr(0, fields[0].width), text.substr(fields[0].width, fields[1].width),
                 text.substr(fields[0].width + fields[1].width)};
    }
    if (parts.size() != 3) {
        return std::nullopt;
    }
    std::array<int, 3> numbers{};
    for (size_t i = 0; i < 3; ++i) {
        const auto number = ParseNumber(parts[i], fields[i].min, fields[i].max);
        if (parts[i].size() != fields[i].width || !number) {
            return std::nullopt;
        }
        numbers[i] = *number;
    }
    return numbers;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

}  // namespace

std::optional<int> ParseNumber(std::string_view text, int min, int max) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<Date> ParseDate(std::string_view text) {
    const auto numbers = ParseFields(text, '-', {{4, 1601, 9999}, {2, 1, 12}, {2, 1, 31}});
    if (!numbers || (*numbers)[2] > DaysInMonth((*numbers)[0], (*numbers)[1])) {
        return std::nullopt;
    }
    return Date{(*numbers)[0], (*numbers)[1], (*numbers)[2]};
}

std::optional<TimeOfDay> ParseTime(std::string_view text) {
    const auto numbers = ParseFields(text, ':', {{2, 0, 23}, {2, 0, 59}, {2, 0, 59}});
    if (!numbers) {
        return std::nullopt;
    }
    return TimeOfDay{(*numbers)[0], (*numbers)[1], (*numbers)[2]};
}

std::optional<Clock> ParseClock(std::string_view text) {
    if (text.size() != 19 || text[10] != ' ') {
        return std::nullopt;
    }
    const auto date = ParseDate(text.substr(0, 10));
    const auto time = ParseTime(text.substr(11));
    if (!date || !time) {
        return std::nullopt;
    }
    return Clock{*date, *time};
}

std::string FormatClock(const Clock& clock) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", clock.date.year,
                  clock.date.month, clock.date.day, clock.time.hour, clock.time.minute,
                  clock.time.second);
    return text;
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool NormaliseMac(std::string& mac) {
    if (mac.size() != 17) {
        return false;
    }
    for (size_t i = 0; i < mac.size(); ++i) {
        const bool colon = i % 3 == 2;
        if (colon ? mac[i] != ':' : !std::isxdigit(static_cast<unsigned char>(mac[i]))) {
            return false;
        }
    }
    mac = LowerCase(mac);
    return true;
}

int Milliseconds(double seconds) {
    return static_cast<int>(std::lround(seconds * 1000));
}

}  // namespace zerin
