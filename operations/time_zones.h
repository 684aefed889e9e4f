// The devices' time-zone list by name: the index a device stores, and the text a user reads or
// gives in its place (an unambiguous part of a name is enough).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zerin {

// The list's entries, 0 to 74.
constexpr int kTimeZoneCount = 75;

// "(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna", ...
const std::string& TimeZoneName(int index);

struct TimeZoneChoice {
    std::optional<int> index;  // an index of the list, or -1 for none
    std::string error;         // when there is no index: why
};

// An index of the list (0 to 74), or -1 for "none".
std::optional<int> ParseTimeZone(std::string_view text);

// An index (0 to 74), "none", or a part of one zone's name in any case; several zones or none
// named by the part is an error that says which.
TimeZoneChoice ChooseTimeZone(const std::string& text);

}  // namespace zerin
