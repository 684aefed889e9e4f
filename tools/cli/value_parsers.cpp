// Parsing of the command line's values.
#include "tools/cli/value_parsers.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace zerin::cli {

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

// Three fields of the given widths, either separated by the separator or written together.
std::optional<std::vector<std::string_view>> SplitFields(std::string_view text, char separator,
                                                         const size_t (&widths)[3]) {
    std::vector<std::string_view> parts = Split(text, separator);
    if (parts.size() == 1 && text.size() == widths[0] + widths[1] + widths[2]) {
        parts = {text.substr(0, widths[0]), text.substr(widths[0], widths[1]),
                 text.substr(widths[0] + widths[1])};
    }
    if (parts.size() != 3 || parts[0].size() != widths[0] || parts[1].size() != widths[1] ||
        parts[2].size() != widths[2]) {
        return std::nullopt;
    }
    return parts;
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
    const auto parts = SplitFields(text, '-', {4, 2, 2});
    if (!parts) {
        return std::nullopt;
    }
    const auto year = ParseNumber((*parts)[0], 0, 9999);
    const auto month = ParseNumber((*parts)[1], 1, 12);
    const auto day = ParseNumber((*parts)[2], 1, 31);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    return Date{*year, *month, *day};
}

std::optional<TimeOfDay> ParseTime(std::string_view text) {
    const auto parts = SplitFields(text, ':', {2, 2, 2});
    if (!parts) {
        return std::nullopt;
    }
    const auto hour = ParseNumber((*parts)[0], 0, 23);
    const auto minute = ParseNumber((*parts)[1], 0, 59);
    const auto second = ParseNumber((*parts)[2], 0, 59);
    if (!hour || !minute || !second) {
        return std::nullopt;
    }
    return TimeOfDay{*hour, *minute, *second};
}

bool IsDottedQuad(std::string_view text) {
    const std::vector<std::string_view> parts = Split(text, '.');
    return parts.size() == 4 && std::all_of(parts.begin(), parts.end(), [](std::string_view part) {
               return part.size() <= 3 && ParseNumber(part, 0, 255).has_value();
           });
}

}  // namespace zerin::cli
