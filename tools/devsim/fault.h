// Injected misbehaviour of a simulated device: the "KIND[:ARG][@COMMAND]" notation and the choice
// of the faults that act on the answer to one command.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zerin::devsim {

enum class FaultKind {
    kSilent,     // no answer and no change of state
    kDelay,      // answer after `value` milliseconds
    kStray,      // first a bare header with command `value`, then the answer
    kTwice,      // the answer sent two times
    kProduct,    // `product` in place of the product code of search and device info replies
    kRefuse,     // status `value` in verify and set network info replies; settings not applied
    kBroadcast,  // the answer sent to 255.255.255.255 at the request's source port
    kForget,     // a settings write answered as taken, and nothing stored
    kDrop,       // of every `value` requests it acts on, the first lost: no answer, no change
};

struct Fault {
    FaultKind kind = FaultKind::kSilent;
    uint32_t value = 0;
    std::string product;
    std::optional<uint16_t> command;  // the one command it acts on; every command when empty
    uint32_t requestsSeen = 0;        // kDrop: the requests it has acted on so far
};

// The stray datagram's command when the fault names none: a code no device uses.
constexpr uint16_t kDefaultStrayCommand = 0xffff;

// What a device does with its answer to one command, after all its faults.
struct FaultPlan {
    bool silent = false;
    uint32_t delayMs = 0;
    std::optional<uint16_t> strayCommand;
    int copies = 1;
    std::optional<std::string> productCode;
    std::optional<uint16_t> refusalStatus;
    bool broadcast = false;
    bool forget = false;
};

// Parses "KIND[:ARG][@COMMAND]"; on failure returns nothing and sets error.
std::optional<Fault> ParseFault(const std::string& text, std::string& error);

// A command by its number (decimal or 0x hex) or by name, such as "get_share_list" or
// "CMD_GET_SHARE_LIST", case ignored.
std::optional<uint16_t> ParseCommand(const std::string& text);

// Combines the faults that act on command: the longest delay, the last stray, product and refusal.
FaultPlan PlanFaults(const std::vector<Fault>& faults, uint16_t command);

// Counts a request of the command on each drop fault that acts on it; true when one loses it.
bool LoseRequest(std::vector<Fault>& faults, uint16_t command);

}  // namespace zerin::devsim
