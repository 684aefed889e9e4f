// The device settings request.
#include "protocol/device_settings_update.h"

#include <array>
#include <cstdio>

#include "protocol/description_rule.h"
#include "protocol/exchange.h"

namespace zerin {

namespace {

constexpr ExchangeTiming kDeviceSettingsTiming{0x0101, 200, 100, true};

// Request payload layout. The date and time are ASCII digits without terminators.
constexpr size_t kVerificationFlagOffset = 0;
constexpr size_t kNameOffset = 1;
constexpr size_t kNameWidth = 16;
constexpr size_t kDescriptionOffset = 17;  // 64 bytes, the last one always zero
constexpr size_t kDateOffset = 81;
constexpr size_t kDateWidth = 8;
constexpr size_t kTimeOffset = 89;
constexpr size_t kTimeWidth = 6;
constexpr size_t kTimeZoneIndexOffset = 95;
constexpr size_t kPayloadSize = 96;

using Payload = std::array<uint8_t, kPayloadSize>;

// Writes three numbers as decimal digits, the first padded to firstWidth and the other two to
// two digits; the field takes the first width characters.
void WriteDigits(uint8_t* field, size_t width, int firstWidth, int first, int second, int third) {
    char text[40];
    std::snprintf(text, sizeof text, "%0*d%02d%02d", firstWidth, first, second, third);
    WriteTextField(field, width, text);
}

Payload DeviceSettingsPayload(const std::string& deviceName, const DeviceSettings& settings) {
    Payload payload{};
    payload[kVerificationFlagOffset] = settings.verificationFlag;
    WriteTextField(payload.data() + kNameOffset, kNameWidth, deviceName);
    WriteTextField(payload.data() + kDescriptionOffset, kDescriptionMaxLength,
                   settings.description);
    WriteDigits(payload.data() + kDateOffset, kDateWidth, 4, settings.year, settings.month,
                settings.day);
    WriteDigits(payload.data() + kTimeOffset, kTimeWidth, 2, settings.hour, settings.minute,
                settings.second);
    payload[kTimeZoneIndexOffset] = static_cast<uint8_t>(settings.timeZoneIndex);
    return payload;
}

}  // namespace

SettingsUpdateResult SetDeviceInfo(SocketLayer& sockets, Reporter& reporter, const MacAddress& mac,
                                   const std::string& deviceName, const DeviceSettings& settings,
                                   const ExchangeOptions& options) {
    Exchange exchange(sockets, reporter, kDeviceSettingsTiming, options);
    if (!exchange.OpenForBroadcast()) {
        return {1, std::nullopt};
    }
    exchange.SetTarget(mac);
    const Payload payload = DeviceSettingsPayload(deviceName, settings);
    return {0, exchange.RequestReplyHeader(CMD_SET_DEVICE_INFO, payload.data(), kPayloadSize)};
}

}  // namespace zerin
