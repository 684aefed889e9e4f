// The verification request and the reading of its reply's header.
#include "protocol/administrator_verification.h"

#include <array>

#include "protocol/exchange.h"

namespace zerin {

const char kVerifyFailedMessage[] = "Verify failed!";

namespace {

constexpr ExchangeTiming kVerifyTiming{0x0101, 20, 200, true};

// Request payload layout; the last 8 bytes stay zero.
constexpr size_t kNameOffset = 0;
constexpr size_t kNameWidth = 16;
constexpr size_t kPasswordOffset = 16;
constexpr size_t kPasswordWidth = 8;
constexpr size_t kPayloadSize = 32;

std::array<uint8_t, kPayloadSize> VerifyPayload(const std::string& name,
                                                const std::string& password) {
    std::array<uint8_t, kPayloadSize> payload{};
    WriteTextField(payload.data() + kNameOffset, kNameWidth, name);
    WriteTextField(payload.data() + kPasswordOffset, kPasswordWidth, password);
    return payload;
}

bool IsVerifyReply(const std::optional<PacketHeader>& reply) {
    return reply && reply->command == CMD_VERIFY;
}

}  // namespace

std::optional<Ipv4Address> VerificationAddress(const DeviceRecord& device) {
    if (device.via) {
        return device.via;
    }
    const auto address = ParseIpv4(device.ipAddress);
    if (device.adapter && address && IsHostOfSubnet(*device.adapter, *address)) {
        return address;
    }
    return std::nullopt;
}

ExchangeOptions ForVerification(ExchangeOptions options, const DeviceRecord& device) {
    if (const auto address = VerificationAddress(device)) {
        options.unicastTo = address;
    }
    return options;
}

VerificationResult VerifyAdministrator(SocketLayer& sockets, Reporter& reporter,
                                       const MacAddress& mac, const std::string& name,
                                       const std::string& password,
                                       const ExchangeOptions& options) {
    Exchange exchange(sockets, reporter, kVerifyTiming, options);
    if (!exchange.OpenForBroadcast()) {
        return {Verification::kNotSent, std::nullopt};
    }
    exchange.SetTarget(mac);
    const auto payload = VerifyPayload(name, password);
    const auto reply = exchange.RequestReplyHeader(CMD_VERIFY, payload.data(), kPayloadSize);
    if (!IsVerifyReply(reply)) {
        return {Verification::kNotAccepted, reply};
    }
    if (reply->status != 0) {
        reporter.Report(kVerifyFailedMessage);
        return {Verification::kNotAccepted, reply};
    }
    return {Verification::kAccepted, reply};
}

}  // namespace zerin
