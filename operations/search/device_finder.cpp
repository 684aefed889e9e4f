// Planning the search and finding the devices.
#include "operations/search/device_finder.h"

#include <algorithm>
#include <cctype>

#include "operations/search/search_targets.h"
#include "operations/value_parsers.h"
#include "protocol/device_texts.h"

namespace zerin {

namespace {

bool Names(const NetworkAdapter& adapter, const std::string& wanted) {
    return adapter.name == wanted || FormatIpv4(adapter.address) == wanted;
}

// Twelve hex digits in groups of the size given, the separator between them.
std::optional<MacAddress> MacOfForm(const std::string& text, char separator, size_t group) {
    const size_t separators = separator == '\0' ? 0 : 12 / group - 1;
    if (text.size() != 12 + separators) {
        return std::nullopt;
    }
    std::string digits;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool separates = separators > 0 && (i + 1) % (group + 1) == 0;
        const bool hex = std::isxdigit(static_cast<unsigned char>(text[i])) != 0;
        if (separates ? text[i] != separator : !hex) {
            return std::nullopt;
        }
        digits += separates ? "" : std::string(1, text[i]);
    }
    MacAddress mac{};
    for (size_t i = 0; i < mac.size(); ++i) {
        mac[i] = static_cast<uint8_t>(std::stoi(digits.substr(2 * i, 2), nullptr, 16));
    }
    return mac;
}

// The devices a search looks for, by name or MAC address: found once a device of each has
// answered, a name only after its settle time, so that two devices of one name are both heard.
class WantedDevices {
  public:
    WantedDevices(SocketLayer& sockets, const std::vector<std::string>& wanted)
        : sockets_(sockets), missing_(wanted) {}

    void Heard(const DeviceRecord& device) {
        for (auto it = missing_.begin(); it != missing_.end();) {
            if (!IsNamed(device, *it)) {
                ++it;
                continue;
            }
            if (!ParseMacAddress(*it)) {
                settledAt_ = std::max(settledAt_, sockets_.NowMs() + kSameNameSettleMs);
            }
            it = missing_.erase(it);
        }
    }

    bool AllFound() const { return missing_.empty() && sockets_.NowMs() >= settledAt_; }

  private:
    SocketLayer& sockets_;
    std::vector<std::string> missing_;
    int64_t settledAt_ = 0;
};

std::string KnownAdapters(const std::vector<NetworkAdapter>& adapters) {
    std::string known;
    for (const NetworkAdapter& adapter : adapters) {
        known +=
            (known.empty() ? "" : ", ") + adapter.name + " (" + FormatIpv4(adapter.address) + ")";
    }
    return known.empty() ? "none is up" : known;
}

// Every adapter that is up, or those named by name or address.
std::vector<NetworkAdapter> ChooseAdapters(const std::vector<NetworkAdapter>& all,
                                           const std::vector<std::string>& wanted,
                                           std::optional<SearchFailure>& failure) {
    for (const std::string& name : wanted) {
        if (std::none_of(all.begin(), all.end(), [&](const auto& a) { return Names(a, name); })) {
            failure = {SearchFailure::kBadOptions,
                       "no adapter " + name + "; the adapters: " + KnownAdapters(all)};
            return {};
        }
    }
    std::vector<NetworkAdapter> chosen;
    std::copy_if(all.begin(), all.end(), std::back_inserter(chosen), [&](const auto& adapter) {
        return wanted.empty() || std::any_of(wanted.begin(), wanted.end(), [&](const auto& name) {
                   return Names(adapter, name);
               });
    });
    if (chosen.empty()) {
        failure = {SearchFailure::kNoAdapterUp, "no network adapter is up"};
    }
    return chosen;
}

// The targets of the options, then the others; nothing, with the failure, when one is not a
// target or there are too many addresses.
std::optional<std::vector<AddressRange>> Targets(const SearchOptions& options,
                                                 const std::vector<AddressRange>& moreTargets,
                                                 std::optional<SearchFailure>& failure) {
    std::vector<AddressRange> targets;
    for (const std::string& text : options.targets) {
        std::string error;
        const auto range = ParseTarget(text, error);
        if (!range) {
            failure = {SearchFailure::kBadOptions, error};
            return std::nullopt;
        }
        targets.push_back(*range);
    }
    targets.insert(targets.end(), moreTargets.begin(), moreTargets.end());
    const uint64_t count = AddressCount(targets);
    if (count > kMaxTargetAddresses) {
        failure = {SearchFailure::kBadOptions,
                   "the targets hold " + std::to_string(count) + " addresses; one run sends to " +
                       std::to_string(kMaxTargetAddresses) + " at most"};
        return std::nullopt;
    }
    return targets;
}

}  // namespace

PlanChoice PlanSearch(const std::vector<NetworkAdapter>& up, const SearchOptions& options,
                      const std::vector<AddressRange>& moreTargets) {
    PlanChoice choice;
    const auto targets = Targets(options, moreTargets, choice.failure);
    if (!targets) {
        return choice;
    }
    choice.plan.targets = *targets;
    choice.plan.sendRate = options.rate;
    choice.plan.windowMs = Milliseconds(options.windowSeconds);
    if (!options.noBroadcast) {
        choice.plan.adapters = ChooseAdapters(up, options.adapters, choice.failure);
    } else if (targets->empty()) {
        choice.failure = {SearchFailure::kBadOptions,
                          "--no-broadcast leaves nothing to send to without a target"};
    }
    return choice;
}

std::optional<MacAddress> ParseMacAddress(const std::string& text) {
    struct Form {
        char separator;
        size_t group;
    };
    for (const Form form : {Form{':', 2}, Form{'-', 2}, Form{'.', 4}, Form{'\0', 12}}) {
        if (const auto mac = MacOfForm(text, form.separator, form.group)) {
            return mac;
        }
    }
    return std::nullopt;
}

bool IsNamed(const DeviceRecord& device, const std::string& nameOrMac) {
    if (const auto mac = ParseMacAddress(nameOrMac)) {
        return device.macAddress == *mac;
    }
    return LowerCase(device.name) == LowerCase(nameOrMac);
}

std::vector<FoundDevice*> DevicesNamed(std::vector<FoundDevice>& devices,
                                       const std::string& nameOrMac) {
    std::vector<FoundDevice*> named;
    for (FoundDevice& device : devices) {
        if (IsNamed(*device.record, nameOrMac)) {
            named.push_back(&device);
        }
    }
    return named;
}

std::string SameName(const std::vector<FoundDevice*>& devices, const std::string& name) {
    std::string listed;
    for (const FoundDevice* device : devices) {
        listed += (listed.empty() ? "" : ", ") + FormatMacAddress(device->record->macAddress) +
                  " at " + device->record->ipAddress;
    }
    return std::to_string(devices.size()) + " devices are named " + name + ": " + listed +
           "; name one by its MAC address";
}

SearchResult FindDevices(SocketLayer& sockets, Reporter& reporter, WideSearchPlan plan,
                         const std::vector<std::string>& wanted) {
    SearchResult result;
    WantedDevices missing(sockets, wanted);
    if (!wanted.empty()) {
        plan.complete = [&missing] { return missing.AllFound(); };
    }
    result.report = SearchWide(sockets, reporter, plan, [&](std::unique_ptr<DeviceRecord> record) {
        missing.Heard(*record);
        result.devices.push_back({std::move(record)});
    });
    return result;
}

Lookup LookUpDevice(SocketLayer& sockets, Reporter& reporter, const std::vector<NetworkAdapter>& up,
                    const SearchOptions& options, const std::string& nameOrMac) {
    const PlanChoice choice = PlanSearch(up, options);
    if (choice.failure) {
        return {{}, choice.failure};
    }
    std::vector<FoundDevice> devices =
        FindDevices(sockets, reporter, choice.plan, {nameOrMac}).devices;
    const std::vector<FoundDevice*> named = DevicesNamed(devices, nameOrMac);
    if (named.size() > 1) {
        return {{}, SearchFailure{SearchFailure::kBadOptions, SameName(named, nameOrMac)}};
    }
    if (named.size() == 1) {
        return {std::move(*named.front()), std::nullopt};
    }
    return {{},
            SearchFailure{SearchFailure::kNotFound,
                          (ParseMacAddress(nameOrMac) ? "no device " : "no device named ") +
                              nameOrMac + " answered the search"}};
}

}  // namespace zerin
