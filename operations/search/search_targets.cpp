// Reading targets.
#include "operations/search/search_targets.h"

#include "operations/value_parsers.h"

namespace zerin {

namespace {

std::optional<AddressRange> ParseBlock(const std::string& address, const std::string& prefix) {
    const auto base = ParseIpv4(address);
    const auto length = ParseNumber(prefix, 0, 32);
    if (!base || !length) {
        return std::nullopt;
    }
    const Ipv4Address mask = SubnetMask(*length);
    return AddressRange{*base & mask, (*base & mask) | ~mask};
}

}  // namespace

std::optional<AddressRange> ParseTarget(const std::string& text, std::string& error) {
    const size_t slash = text.find('/');
    const size_t dash = text.find('-');
    std::optional<AddressRange> range;
    if (slash != std::string::npos) {
        range = ParseBlock(text.substr(0, slash), text.substr(slash + 1));
    } else if (dash != std::string::npos) {
        const auto first = ParseIpv4(text.substr(0, dash));
        const auto last = ParseIpv4(text.substr(dash + 1));
        if (first && last && *first > *last) {
            error = "target " + text + ": the range ends before it starts";
            return std::nullopt;
        }
        range = first && last ? std::optional<AddressRange>({*first, *last}) : std::nullopt;
    } else if (const auto address = ParseIpv4(text)) {
        range = AddressRange{*address, *address};
    }
    if (!range) {
        error = "target " + text +
                ": not an address, a block such as 203.0.113.0/24 or a range such as "
                "203.0.113.10-203.0.113.40";
    }
    return range;
}

}  // namespace zerin
