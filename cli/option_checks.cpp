// The settings options' checks.
#include "cli/option_checks.h"

#include "operations/value_parsers.h"
#include "protocol/description_rule.h"
#include "protocol/network_adapter.h"

namespace zerin::cli {

namespace {

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
    return Check([](const std::string& v) { return ParseTimeZone(v).has_value(); },
                 "an index of the time-zone list from 0 to 74, or none");
}

}  // namespace zerin::cli
