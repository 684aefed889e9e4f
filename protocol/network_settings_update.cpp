// The network settings request and the refusal check of its reply.
#include "protocol/network_settings_update.h"

#include <array>

#include "protocol/exchange.h"

namespace zerin {

const AddressField kAddressFields[5] = {
    {&DeviceRecord::ipAddress, &NetworkSettings::ipAddress, "ipAddress"},
    {&DeviceRecord::subnetMask, &NetworkSettings::subnetMask, "subnetMask"},
    {&DeviceRecord::defaultGateway, &NetworkSettings::defaultGateway, "defaultGateway"},
    {&DeviceRecord::primaryDns, &NetworkSettings::primaryDns, "primaryDns"},
    {&DeviceRecord::secondaryDns, &NetworkSettings::secondaryDns, "secondaryDns"},
};

const char kSetNetworkInfoFailedMessage[] = "Set network info failed!";

namespace {

constexpr ExchangeTiming kNetworkSettingsTiming{0x0101, 200, 100, true};

// Request payload layout: the protocol byte, then five 15-byte addresses back to back.
constexpr size_t kProtocolOffset = 0;
constexpr size_t kAddressesOffset = 1;
constexpr size_t kAddressWidth = 15;
constexpr size_t kPayloadSize = 76;

using Payload = std::array<uint8_t, kPayloadSize>;

Payload NetworkSettingsPayload(const NetworkSettings& settings) {
    Payload payload{};
    payload[kProtocolOffset] = static_cast<uint8_t>(settings.protocolIndex);
    uint8_t* field = payload.data() + kAddressesOffset;
    for (const AddressField& address : kAddressFields) {
        WriteTextField(field, kAddressWidth, settings.*address.settings);
        field += kAddressWidth;
    }
    return payload;
}

bool IsRefusal(const std::optional<PacketHeader>& reply) {
    return reply && reply->command == CMD_SET_NETWORK_INFO && reply->status != 0;
}

}  // namespace

SettingsUpdateResult SetNetworkInfo(SocketLayer& sockets, Reporter& reporter, const MacAddress& mac,
                                    const NetworkSettings& settings,
                                    const ExchangeOptions& options) {
    Exchange exchange(sockets, reporter, kNetworkSettingsTiming, options);
    if (!exchange.OpenForBroadcast()) {
        return {1, std::nullopt};
    }
    exchange.SetTarget(mac);
    const Payload payload = NetworkSettingsPayload(settings);
    const auto reply =
        exchange.RequestReplyHeader(CMD_SET_NETWORK_INFO, payload.data(), kPayloadSize);
    if (IsRefusal(reply)) {
        reporter.Report(kSetNetworkInfoFailedMessage);
    }
    return {0, reply};
}

}  // namespace zerin
