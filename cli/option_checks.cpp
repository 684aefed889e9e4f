// The settings options' checks.
#include "cli/option_checks.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "operations/time_zones.h"
#include "operations/value_parsers.h"
#include "protocol/description_rule.h"
#include "protocol/network_adapter.h"

namespace zerin::cli {

namespace {

// 0.1, 3600: the shortest text of the number.
std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// A check from a test of the value and what the value must be.
CLI::Validator Check(bool (*valid)(const std::string&), const std::string& expected) {
    return CLI::Validator(
        [valid, expected](const std::string& value) {
            return valid(value) ? std::string() : "takes " + expected + ", not \"" + value + "\"";
        },
        "");
}

}  // namespace

CLI::Validator DateCheck() {
    return Check([](const std::string& v) { return ParseDate(v).has_value(); },
                 "a real calendar date YYYY-MM-DD");
}

CLI::Validator TimeCheck() {
    return Check([](const std::string& v) { return ParseTime(v).has_value(); },
                 "a 24-hour time HH:MM:SS");
}

CLI::Validator AddressCheck() {
    return Check([](const std::string& v) { return ParseIpv4(v).has_value(); },
                 "a dotted IPv4 address");
}

CLI::Validator DescriptionCheck() {
    return Check(
        [](const std::string& v) {
            return v.size() <= kDescriptionMaxLength && IsValidDescription(v);
        },
        "at most 63 characters, each a digit, a letter, a space, '-' or '_'");
}

CLI::Validator TimeZoneCheck() {
    return CLI::Validator([](const std::string& v) { return ChooseTimeZone(v).error; }, "");
}

CLI::Validator ClockCheck() {
    return Check([](const std::string& v) { return v == "now" || ParseClock(v).has_value(); },
                 "now or a real date and time \"YYYY-MM-DD HH:MM:SS\"");
}

CLI::Validator BooleanCheck() {
    return Check([](const std::string& v) { return ParseBoolean(v).has_value(); },
                 "yes, no, true or false");
}

CLI::Validator SecondsCheck(double min, double max) {
    const std::string expected = Number(min) + " to " + Number(max) + " seconds";
    return CLI::Validator(
        [=](const std::string& value) {
            char* end = nullptr;
            const double number = std::strtod(value.c_str(), &end);
            const bool valid = !value.empty() && *end == '\0' && number >= min && number <= max;
            return valid ? std::string() : "takes " + expected + ", not \"" + value + "\"";
        },
        "");
}

CLI::Validator WholeNumberCheck(long min, long max, const std::string& unit) {
    const std::string expected = max == std::numeric_limits<long>::max()
                                     ? "a whole number from " + std::to_string(min)
                                     : std::to_string(min) + " to " + std::to_string(max);
    return CLI::Validator(
        [=](const std::string& value) {
            const auto number = ParseNumber(value, static_cast<int>(min),
                                            static_cast<int>(std::min<long>(max, INT_MAX)));
            return number ? std::string()
                          : "takes " + expected + (unit.empty() ? "" : " " + unit) + ", not \"" +
                                value + "\"";
        },
        "");
}

std::optional<bool> ParseBoolean(const std::string& given) {
    const std::string text = LowerCase(given);
    if (text == "yes" || text == "true") {
        return true;
    }
    if (text == "no" || text == "false") {
        return false;
    }
    return std::nullopt;
}

}  // namespace zerin::cli
