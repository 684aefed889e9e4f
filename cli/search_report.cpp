// What a search says it did.
#include "cli/search_report.h"

#include <algorithm>
#include <utility>

#include "operations/search/listed_device.h"
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

// Each one heard, once, with the number of its answers.
template <typename Heard>
std::vector<std::pair<Heard, int>> CountAnswers(const std::vector<Heard>& heard) {
    std::vector<std::pair<Heard, int>> answers;
    for (const Heard& one : heard) {
        auto known = std::find_if(answers.begin(), answers.end(),
                                  [&](const auto& answer) { return answer.first == one; });
        if (known == answers.end()) {
            answers.push_back({one, 1});
        } else {
            ++known->second;
        }
    }
    return answers;
}

std::string Answers(int count) {
    return count > 1 ? " (" + std::to_string(count) + " answers)" : "";
}

// What went out through one adapter and what came back through it.
void SayWhatWasHeard(CommandContext& context, const NetworkAdapter& adapter,
                     const AdapterSearchReport& report, const std::vector<FoundDevice>& devices) {
    const std::string through = adapter.name + " (" + FormatIpv4(adapter.address) + ")";
    Say(context, report.sentTo.empty()
                     ? "the search request could not be sent through " + through
                     : through + ": search request sent to " + Destinations(report.sentTo));
    for (const auto& [mac, count] : CountAnswers(report.heard)) {
        Say(context, adapter.name + " heard " + Answerer(devices, mac) + Answers(count));
    }
    if (!report.sentTo.empty() && report.heard.empty()) {
        Say(context, "no answer through " + adapter.name + ": is UDP port " +
                         std::to_string(kDevicePort) + " allowed in?");
    }
}

// What went to the targets and which of their addresses answered.
void SayWhatTheTargetsAnswered(CommandContext& context, const WideSearchPlan& plan,
                               const TargetSearchReport& report,
                               const std::vector<FoundDevice>& devices) {
    Say(context, "targets: search request sent to " + std::to_string(AddressCount(plan.targets)) +
                     " addresses, " + std::to_string(report.sent) + " datagrams in all");
    for (const auto& [heard, count] : CountAnswers(report.heard)) {
        Say(context, FormatIpv4(heard.first) + " answered: " + Answerer(devices, heard.second) +
                         Answers(count));
    }
    if (report.heard.empty()) {
        Say(context, "no target answered: do the routers on the way pass UDP port " +
                         std::to_string(kDevicePort) + " both ways?");
    }
}

}  // namespace

void SayWhatTheSearchDid(CommandContext& context, const WideSearchPlan& plan,
                         const SearchResult& result) {
    const WideSearchReport& report = result.report;
    if (!report.opened) {
        return;
    }
    for (size_t i = 0; i < report.adapters.size(); ++i) {
        SayWhatWasHeard(context, plan.adapters[i], report.adapters[i], result.devices);
    }
    if (!plan.targets.empty()) {
        SayWhatTheTargetsAnswered(context, plan, report.targets, result.devices);
    }
    if (report.receiveBufferBytes < kWideSearchReceiveBufferBytes) {
        Say(context, "the system granted a receive buffer of " +
                         std::to_string(report.receiveBufferBytes) + " bytes of the " +
                         std::to_string(kWideSearchReceiveBufferBytes) +
                         " asked for: in a burst, answers beyond it may be lost");
    }
}

}  // namespace zerin::cli
