// The time-zone list's names.
#include "operations/time_zones.h"

#include <algorithm>
#include <cctype>

#include "operations/value_parsers.h"

namespace zerin {

namespace {

// The page's list writes "&" as "&amp;"; the names read as the user reads them.
std::vector<std::string> ReadableNames() {
    static const char* const kNames[] = {
#include "time_zone_names.inc"
    };
    static_assert(std::size(kNames) == kTimeZoneCount, "the list holds 75 zones");
    std::vector<std::string> names;
    for (std::string name : kNames) {
        for (size_t at; (at = name.find("&amp;")) != std::string::npos;) {
            name.replace(at, 5, "&");
        }
        names.push_back(name);
    }
    return names;
}

const std::vector<std::string>& Names() {
    static const std::vector<std::string> names = ReadableNames();
    return names;
}

}  // namespace

std::optional<int> ParseTimeZone(std::string_view text) {
    return text == "none" ? -1 : ParseNumber(text, 0, kTimeZoneCount - 1);
}

const std::string& TimeZoneName(int index) {
    return Names().at(static_cast<size_t>(index));
}

TimeZoneChoice ChooseTimeZone(const std::string& text) {
    if (const auto index = ParseTimeZone(text)) {
        return {index, ""};
    }
    if (!text.empty() && std::all_of(text.begin(), text.end(), ::isdigit)) {
        return {std::nullopt, "time zone " + text + ": the list's indexes run from 0 to 74"};
    }
    std::vector<int> matches;
    for (int i = 0; i < kTimeZoneCount; ++i) {
        if (!text.empty() && LowerCase(Names()[i]).find(LowerCase(text)) != std::string::npos) {
            matches.push_back(i);
        }
    }
    if (matches.size() == 1) {
        return {matches.front(), ""};
    }
    if (matches.empty()) {
        return {std::nullopt,
                "no time zone is named \"" + text + "\": zerin-cli timezones lists them"};
    }
    std::string named;
    for (const int i : matches) {
        named += (named.empty() ? "" : ", ") + std::to_string(i) + " " + Names()[i];
    }
    return {std::nullopt, "\"" + text + "\" names " + std::to_string(matches.size()) +
                              " time zones: " + named + "; give more of the name or its index"};
}

}  // namespace zerin
