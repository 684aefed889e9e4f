// Injected misbehaviour of a simulated device: parsing and combining faults.
#include "tools/devsim/fault.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "protocol/packet.h"
#include "tools/devsim/value_parser.h"

namespace zerin::devsim {

namespace {

constexpr uint32_t kMaxDelayMs = 600000;
constexpr uint32_t kDefaultDropEvery = 2;

const std::pair<const char*, uint16_t> kCommandNames[] = {
    {"search", CMD_SEARCH},
    {"get_device_info", CMD_GET_DEVICE_INFO},
    {"set_device_info", CMD_SET_DEVICE_INFO},
    {"get_network_info", CMD_GET_NETWORK_INFO},
    {"set_network_info", CMD_SET_NETWORK_INFO},
    {"get_usb_info", CMD_GET_USB_INFO},
    {"verify", CMD_VERIFY},
    {"get_share_count", CMD_GET_SHARE_COUNT},
    {"get_share_list", CMD_GET_SHARE_LIST},
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Reads the argument of one kind into the fault; false when it is missing or out of range.
bool ReadArgument(Fault& fault, const std::optional<std::string>& argument) {
    switch (fault.kind) {
        case FaultKind::kSilent:
        case FaultKind::kTwice:
        case FaultKind::kBroadcast:
        case FaultKind::kForget:
            return !argument;
        case FaultKind::kProduct:
            fault.product = argument.value_or("");
            return fault.product.size() == 4;
        case FaultKind::kStray: {
            std::optional<uint16_t> command =
                argument ? ParseCommand(*argument) : kDefaultStrayCommand;
            fault.value = command.value_or(0);
            return command.has_value();
        }
        case FaultKind::kDrop: {
            std::optional<uint32_t> every =
                argument ? ParseUnsigned(*argument, 0xffff) : kDefaultDropEvery;
            fault.value = every.value_or(0);
            return fault.value != 0;
        }
        case FaultKind::kDelay:
        case FaultKind::kRefuse: {
            uint32_t max = fault.kind == FaultKind::kDelay ? kMaxDelayMs : 0xffff;
            std::optional<uint32_t> value = argument ? ParseUnsigned(*argument, max) : std::nullopt;
            fault.value = value.value_or(0);
            return value && (fault.kind == FaultKind::kDelay || *value != 0);
        }
    }
    return false;
}

std::optional<FaultKind> ParseKind(const std::string& text) {
    const std::pair<const char*, FaultKind> kinds[] = {
        {"silent", FaultKind::kSilent},       {"delay", FaultKind::kDelay},
        {"stray", FaultKind::kStray},         {"twice", FaultKind::kTwice},
        {"product", FaultKind::kProduct},     {"refuse", FaultKind::kRefuse},
        {"broadcast", FaultKind::kBroadcast}, {"forget", FaultKind::kForget},
        {"drop", FaultKind::kDrop},
    };
    for (const auto& [name, kind] : kinds) {
        if (text == name) {
            return kind;
        }
    }
    return std::nullopt;
}

void AddToPlan(FaultPlan& plan, const Fault& fault) {
    switch (fault.kind) {
        case FaultKind::kSilent:
            plan.silent = true;
            break;
        case FaultKind::kDelay:
            plan.delayMs = std::max(plan.delayMs, fault.value);
            break;
        case FaultKind::kStray:
            plan.strayCommand = static_cast<uint16_t>(fault.value);
            break;
        case FaultKind::kTwice:
            plan.copies = 2;
            break;
        case FaultKind::kProduct:
            plan.productCode = fault.product;
            break;
        case FaultKind::kRefuse:
            plan.refusalStatus = static_cast<uint16_t>(fault.value);
            break;
        case FaultKind::kBroadcast:
            plan.broadcast = true;
            break;
        case FaultKind::kForget:
            plan.forget = true;
            break;
        case FaultKind::kDrop:
            break;
    }
}

}  // namespace

std::optional<uint16_t> ParseCommand(const std::string& text) {
    if (std::optional<uint32_t> number = ParseUnsigned(text, 0xffff)) {
        return static_cast<uint16_t>(*number);
    }
    std::string name = Lower(text);
    if (name.rfind("cmd_", 0) == 0) {
        name.erase(0, 4);
    }
    for (const auto& [known, code] : kCommandNames) {
        if (name == known) {
            return code;
        }
    }
    return std::nullopt;
}

std::optional<Fault> ParseFault(const std::string& text, std::string& error) {
    Fault fault;
    std::string rest = text;
    if (size_t at = rest.find('@'); at != std::string::npos) {
        fault.command = ParseCommand(rest.substr(at + 1));
        if (!fault.command) {
            error = "unknown command in fault '" + text + "'";
            return std::nullopt;
        }
        rest.erase(at);
    }
    std::optional<std::string> argument;
    if (size_t colon = rest.find(':'); colon != std::string::npos) {
        argument = rest.substr(colon + 1);
        rest.erase(colon);
    }
    std::optional<FaultKind> kind = ParseKind(rest);
    if (!kind) {
        error = "unknown fault kind in '" + text + "'";
        return std::nullopt;
    }
    fault.kind = *kind;
    if (!ReadArgument(fault, argument)) {
        error = "bad or missing argument in fault '" + text + "'";
        return std::nullopt;
    }
    return fault;
}

bool LoseRequest(std::vector<Fault>& faults, uint16_t command) {
    bool lost = false;
    for (Fault& fault : faults) {
        if (fault.kind == FaultKind::kDrop && (!fault.command || *fault.command == command)) {
            lost |= fault.requestsSeen++ % fault.value == 0;
        }
    }
    return lost;
}

FaultPlan PlanFaults(const std::vector<Fault>& faults, uint16_t command) {
    FaultPlan plan;
    for (const Fault& fault : faults) {
        if (!fault.command || *fault.command == command) {
            AddToPlan(plan, fault);
        }
    }
    return plan;
}

}  // namespace zerin::devsim
