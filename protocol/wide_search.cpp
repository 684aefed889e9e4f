// The command-line tool's search through adapters and to targets.
#include "protocol/wide_search.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

#include "protocol/exchange.h"
#include "protocol/packet.h"

namespace zerin {

namespace {

// Only the sockets version and the wait's length count: the search takes its datagrams by polls.
constexpr ExchangeTiming kWideSearchTiming{0x0202, 0, 100, true};

// The ranges sorted, overlapping and adjoining ones joined.
std::vector<AddressRange> Merged(std::vector<AddressRange> ranges) {
    std::sort(ranges.begin(), ranges.end(),
              [](const AddressRange& a, const AddressRange& b) { return a.first < b.first; });
    std::vector<AddressRange> merged;
    for (const AddressRange& range : ranges) {
        if (!merged.empty() && uint64_t{range.first} <= uint64_t{merged.back().last} + 1) {
            merged.back().last = std::max(merged.back().last, range.last);
        } else {
            merged.push_back(range);
        }
    }
    return merged;
}

class WideSearch {
  public:
    WideSearch(SocketLayer& sockets, Reporter& reporter, const WideSearchPlan& plan,
               const AddDeviceCallback& addDevice)
        : sockets_(sockets),
          reporter_(reporter),
          plan_(plan),
          targets_(Merged(plan.targets)),
          addDevice_(FirstAnswerOfEach(addDevice)) {
        report_.adapters.resize(plan.adapters.size());
    }

    // A socket through each adapter, then one for the targets that the system routes.
    bool Open() {
        for (const NetworkAdapter& adapter : plan_.adapters) {
            if (!OpenExchange({std::nullopt, false, SearchRoute(adapter)})) {
                return false;
            }
        }
        return targets_.empty() || OpenExchange({});
    }

    void Run() {
        report_.opened = true;
        if (!SendRound(true)) {
            return;
        }
        const int64_t windowStart = sockets_.NowMs();
        if (!TakeAnswersUntil(windowStart + plan_.windowMs / 4) || !SendRound(false)) {
            return;
        }
        TakeAnswersUntil(std::max(windowStart + plan_.windowMs,
                                  sockets_.NowMs() + plan_.windowMs * int64_t{3} / 4));
    }

    WideSearchReport TakeReport() { return std::move(report_); }

  private:
    bool OpenExchange(const ExchangeOptions& options) {
        exchanges_.push_back(
            std::make_unique<Exchange>(sockets_, reporter_, kWideSearchTiming, options));
        Exchange& exchange = *exchanges_.back();
        if (!exchange.Open()) {
            exchanges_.clear();
            return false;
        }
        exchange.AllowBroadcast();
        const int granted =
            sockets_.SetReceiveBuffer(exchange.Socket(), kWideSearchReceiveBufferBytes);
        report_.receiveBufferBytes =
            handles_.empty() ? granted : std::min(report_.receiveBufferBytes, granted);
        handles_.push_back(exchange.Socket());
        return true;
    }

    // False once the search has all it looks for.
    bool SendRound(bool first) {
        for (size_t i = 0; i < plan_.adapters.size(); ++i) {
            std::vector<Ipv4Address> sentTo = exchanges_[i]->Send(CMD_SEARCH);
            if (first) {
                report_.adapters[i].sentTo = std::move(sentTo);
            }
        }
        return SendToTargets(first);
    }

    // The k-th unicast of a round goes out no sooner than k / rate seconds after its first.
    bool SendToTargets(bool first) {
        const int64_t start = sockets_.NowMs();
        uint64_t sends = 0;
        for (const AddressRange& range : targets_) {
            for (uint64_t address = range.first; address <= range.last; ++address) {
                if (!first && answered_.count(static_cast<Ipv4Address>(address)) != 0) {
                    continue;
                }
                const int64_t due = static_cast<int64_t>((sends++ * 1000 + plan_.sendRate - 1) /
                                                         static_cast<uint64_t>(plan_.sendRate));
                if (!TakeAnswersUntil(start + due)) {
                    return false;
                }
                report_.targets.sent +=
                    exchanges_.back()->SendTo(static_cast<Ipv4Address>(address), CMD_SEARCH);
            }
        }
        return true;
    }

    // Takes answers until the time; false, at once, when the search has all it looks for.
    bool TakeAnswersUntil(int64_t until) {
        for (;;) {
            TakeWaitingAnswers();
            if (plan_.complete && plan_.complete()) {
                return false;
            }
            const int64_t left = until - sockets_.NowMs();
            if (left <= 0) {
                return true;
            }
            sockets_.WaitReadable(
                handles_, static_cast<int>(std::min<int64_t>(left, kWideSearchTiming.intervalMs)));
        }
    }

    void TakeWaitingAnswers() {
        for (size_t i = 0; i < exchanges_.size(); ++i) {
            while (const auto length = exchanges_[i]->PollOnce()) {
                if (auto record = ParseSearchReply(exchanges_[i]->Received(), *length)) {
                    Take(i, std::move(record));
                }
            }
        }
    }

    void Take(size_t exchange, std::unique_ptr<DeviceRecord> record) {
        if (exchange < plan_.adapters.size()) {
            report_.adapters[exchange].heard.push_back(record->macAddress);
            record->adapter = plan_.adapters[exchange];
        } else {
            const Ipv4Address from = exchanges_[exchange]->ReceivedFrom();
            report_.targets.heard.emplace_back(from, record->macAddress);
            answered_.insert(from);
            record->via = from;
        }
        addDevice_(std::move(record));
    }

    SocketLayer& sockets_;
    Reporter& reporter_;
    const WideSearchPlan& plan_;
    const std::vector<AddressRange> targets_;
    AddDeviceCallback addDevice_;
    std::vector<std::unique_ptr<Exchange>> exchanges_;  // one an adapter, then the targets'
    std::vector<SocketLayer::Handle> handles_;
    std::unordered_set<Ipv4Address> answered_;
    WideSearchReport report_;
};

}  // namespace

uint64_t AddressCount(const std::vector<AddressRange>& ranges) {
    uint64_t count = 0;
    for (const AddressRange& range : Merged(ranges)) {
        count += uint64_t{range.last} - range.first + 1;
    }
    return count;
}

WideSearchReport SearchWide(SocketLayer& sockets, Reporter& reporter, const WideSearchPlan& plan,
                            const AddDeviceCallback& addDevice) {
    WideSearch search(sockets, reporter, plan, addDevice);
    if (search.Open()) {
        search.Run();
    }
    return search.TakeReport();
}

}  // namespace zerin
