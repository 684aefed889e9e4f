// The device's date and time through the C library's local-time conversion.
#include "ui/wizard/device_clock.h"

#include <algorithm>
#include <ctime>
#include <tuple>

namespace zerin::ui {

namespace {

// The number written by the leading digits of the characters first to first + count - 1.
int LeadingNumber(std::string_view text, size_t first, size_t count) {
    int number = 0;
    for (char c : text.substr(std::min(first, text.size()), count)) {
        if (c < '0' || c > '9') {
            break;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

auto DateOf(const LocalDateTime& time) {
    return std::tie(time.year, time.month, time.day);
}

}  // namespace

std::optional<LocalDateTime> DeviceLocalTime(std::string_view date, std::string_view time) {
    std::tm local{};
    local.tm_year = LeadingNumber(date, 0, 4) - 1900;
    local.tm_mon = LeadingNumber(date, 4, 2) - 1;
    local.tm_mday = LeadingNumber(date, 6, 2);
    local.tm_hour = LeadingNumber(time, 0, 2);
    local.tm_min = LeadingNumber(time, 2, 2);
    local.tm_sec = LeadingNumber(time, 4, 2);
    local.tm_isdst = -1;
    if (std::mktime(&local) == static_cast<std::time_t>(-1)) {
        return std::nullopt;
    }
    const LocalDateTime result{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                               local.tm_hour,        local.tm_min,     local.tm_sec};
    if (DateOf(result) < DateOf(kFirstDeviceDate) || DateOf(kLastDeviceDate) < DateOf(result)) {
        return std::nullopt;
    }
    return result;
}

}  // namespace zerin::ui
