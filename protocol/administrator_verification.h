// The administrator verification exchange: asks one device whether a name and password are the
// administrator's. The device alone decides; nothing is kept.
#pragma once

#include <optional>
#include <string>

#include "protocol/exchange.h"
#include "protocol/packet.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"

namespace zerin {

enum class Verification {
    kAccepted,     // the device accepted the name and password
    kNotAccepted,  // refused, unanswered, or answered with another command
    kNotSent,      // the network could not be opened; nothing went out
};

struct VerificationResult {
    Verification verification;
    // The header of the first datagram after the request, when one came that holds a header.
    std::optional<PacketHeader> reply;
};

extern const char kVerifyFailedMessage[];

// Sends at most 16 characters of the name and 8 of the password. A refusal is reported with
// "Verify failed!"; no answer, or an answer to another command, is not reported.
VerificationResult VerifyAdministrator(SocketLayer& sockets, Reporter& reporter,
                                       const MacAddress& mac, const std::string& name,
                                       const std::string& password,
                                       const ExchangeOptions& options = {});

}  // namespace zerin
