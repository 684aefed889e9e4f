// What a search says it did.
#include "cli/search_report.h"

#include <algorithm>
#include <utility>

#include "cli/device_listing.h"
#include "protocol/device_texts.h"
#include "protocol/packet.h"

namespace zerin::cli {

namespace {

// "A", "A and B", "A, B and C".
std::string Destinations(const std::vector<Ipv4Address>& sentTo) {
    std::string text;
    for (size_t i = 0; i < sentTo.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == sentTo.size() ? " and " : ", ") + FormatIpv4(sentTo[i]);
    }
    return text;
}

// A device that answered, by its MAC: name, MAC and IP address.
std::string Answerer(const std::vector<FoundDevice>& devices, const MacAddress& mac) {
    for (const FoundDevice& device : devices) {
        if (device.record->macAddress == mac) {
            const ListedDevice listed = ListDevice(device);
            return listed.name + " " + listed.mac + " " + listed.ip;
        }
    }
    return FormatMacAddress(mac);
}

// Each device heard, once, with the number of its answers.
std::vector<std::pair<MacAddress, int>> CountAnswers(const std::vector<MacAddress>& heard) {
    std::vector<std::pair<MacAddress, int>> answers;
    for (const MacAddress& mac : heard) {
        auto known = std::find_if(answers.begin(), answers.end(),
                                  [&](const auto& answer) { return answer.first == mac; });
        if (known == answers.end()) {
            answers.push_back({mac, 1});
        } else {
            ++known->second;
        }
    }
    return answers;
}

// What went out through one adapter and what came back through it.
void SayWhatWasHeard(CommandContext& context, const NetworkAdapter& adapter,
                     const AdapterSearchReport& report, const std::vector<FoundDevice>& devices) {
    const std::string through = adapter.name + " (" + FormatIpv4(adapter.address) + ")";
    Say(context, report.sentTo.empty()
                     ? "the search request could not be sent through " + through
                     : through + ": search request sent to " + Destinations(report.sentTo));
    for (const auto& [mac, count] : CountAnswers(report.heard)) {
        Say(context, adapter.name + " heard " + Answerer(devices, mac) +
                         (count > 1 ? " (" + std::to_string(count) + " answers)" : ""));
    }
    if (!report.sentTo.empty() && report.heard.empty()) {
        Say(context, "no answer through " + adapter.name + ": is UDP port " +
                         std::to_string(kDevicePort) + " allowed in?");
    }
}

}  // namespace

void SayWhatTheSearchDid(CommandContext& context, const std::vector<NetworkAdapter>& adapters,
                         const SearchResult& result) {
    for (size_t i = 0; i < result.reports.size(); ++i) {
        SayWhatWasHeard(context, adapters[i], result.reports[i], result.devices);
    }
}

}  // namespace zerin::cli
