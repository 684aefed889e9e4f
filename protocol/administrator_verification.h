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

// Where a verification can go by unicast, so that the password reaches the device alone: the
// address that answered a search sent to it, or the device's own address when it lies in the
// subnet of the adapter that heard it. Nothing when only a broadcast reaches the device, as one
// whose address lies outside the adapter's subnet.
std::optional<Ipv4Address> VerificationAddress(const DeviceRecord& device);

// The options with the verification's unicast address, when there is one.
ExchangeOptions ForVerification(ExchangeOptions options, const DeviceRecord& device);

// Sends at most 16 characters of the name and 8 of the password. A refusal is reported with
// "Verify failed!"; no answer, or an answer to another command, is not reported.
VerificationResult VerifyAdministrator(SocketLayer& sockets, Reporter& reporter,
                                       const MacAddress& mac, const std::string& name,
                                       const std::string& password,
                                       const ExchangeOptions& options = {});

}  // namespace zerin
