// The one course of a settings write, for set-device, set-network and apply: the detail queries
// the write builds on (the reply it needs must come), the settings built over what the device
// reports, the device's guard with its verification, the writes, and how the device took them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "operations/credentials.h"
#include "protocol/device_record.h"
#include "protocol/device_settings_update.h"
#include "protocol/exchange.h"
#include "protocol/network_settings_update.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"

namespace zerin {

// What a write sends: the device settings, the network settings, or both, in that order.
struct PlannedWrites {
    std::optional<DeviceSettings> device;
    std::optional<NetworkSettings> network;
};

struct WriteSteps {
    uint16_t neededReply;  // the last detail query whose reply the settings are built on
    // The writes over the record as the queries left it; nothing, with the reason, when they
    // cannot be built. None at all is a course with nothing to write.
    std::function<std::optional<PlannedWrites>(const DeviceRecord&, std::string& error)> plan;
    // The administrator's name and password for a guarded device; nothing, the reason said by the
    // caller's own way, when there are none.
    std::function<std::optional<Credentials>(const DeviceRecord&)> credentials;
    // When given, asked before the writes and between them.
    std::function<bool()> stopRequested;
    // When given, asked before a verification: false refuses it (one only a broadcast carries).
    std::function<bool(const DeviceRecord&)> mayVerify;
};

enum class WriteOutcome {
    kAccepted,              // every write went out and the device accepted it
    kNothingToWrite,        // the plan has no write
    kNetworkFailed,         // the network could not be opened
    kNoDetails,             // the reply the settings build on did not come
    kUnplannable,           // the settings cannot be built
    kCredentialsMissing,    // a guarded device, and no name or password to give it
    kBroadcastRefused,      // its password would go by broadcast, and that was refused
    kNotAccepted,           // the device did not accept the name or password
    kNoVerificationAnswer,  // the verification went unanswered
    kRefused,               // the device refused a write
    kNoAnswer,              // a write went unanswered
    kStopped,               // a stop came before the first write
};

struct WriteReport {
    WriteOutcome outcome = WriteOutcome::kNetworkFailed;
    std::optional<uint16_t> missingReply;  // kNoDetails: the request left unanswered
    std::string planError;                 // kUnplannable: why
    PlannedWrites planned;
    // The last write sent and the first datagram after it, for kAccepted, kRefused, kNoAnswer.
    uint16_t lastCommand = 0;
    std::optional<PacketHeader> lastReply;
    bool stoppedBetweenWrites = false;  // the device settings went out, the network settings not
};

// Runs the course against the device through the options' adapter; the record takes what the
// detail queries report.
WriteReport WriteSettings(SocketLayer& sockets, Reporter& reporter, DeviceRecord& record,
                          const ExchangeOptions& options, const WriteSteps& steps);

// The outcome in the words of a message, for those that say what went wrong:
// "no answer to the device information request", "NAME did not accept the administrator name or
// password", "the device refused the network settings", ...
std::string WriteOutcomeText(const WriteReport& report, const DeviceRecord& record);

}  // namespace zerin
