// Reads the payload fields of the requests that carry data.
#include "tools/devsim/request_reader.h"

#include <algorithm>

#include "protocol/packet.h"

namespace zerin::devsim {

namespace {

// Share list request.
constexpr size_t kPageAt = 12;

// Verify request.
constexpr size_t kUserAt = 12;
constexpr size_t kPasswordAt = 28;
constexpr size_t kVerifyRequestSize = 44;

// Set device info request.
constexpr size_t kFlagAt = 12;
constexpr size_t kNameAt = 13;
constexpr size_t kDescriptionAt = 29;
constexpr size_t kDateAt = 93;
constexpr size_t kTimeAt = 101;
constexpr size_t kTimeZoneAt = 107;
constexpr size_t kDeviceSettingsSize = 108;

// Set network info request: the status byte, then five addresses back to back.
constexpr size_t kIpStatusAt = 12;
constexpr size_t kAddressesAt = 13;
constexpr size_t kNetworkSettingsSize = 88;

// The text of a fixed-width field: its bytes up to the first zero.
std::string TextAt(const Datagram& request, size_t offset, size_t width) {
    auto begin = request.begin() + offset;
    return std::string(begin, std::find(begin, begin + width, 0));
}

}  // namespace

std::optional<uint8_t> ReadSharePage(const Datagram& request) {
    if (request.size() <= kPageAt) {
        return std::nullopt;
    }
    return request[kPageAt];
}

std::optional<Credentials> ReadCredentials(const Datagram& request) {
    if (request.size() < kVerifyRequestSize) {
        return std::nullopt;
    }
    return Credentials{TextAt(request, kUserAt, kAdminUserWidth),
                       TextAt(request, kPasswordAt, kAdminPasswordWidth)};
}

std::optional<DeviceSettings> ReadDeviceSettings(const Datagram& request) {
    if (request.size() < kDeviceSettingsSize) {
        return std::nullopt;
    }
    DeviceSettings settings;
    settings.passwordFlag = request[kFlagAt];
    settings.name = TextAt(request, kNameAt, kNameWidth);
    settings.description = TextAt(request, kDescriptionAt, kDescriptionWidth);
    settings.date = TextAt(request, kDateAt, kDateWidth);
    settings.time = TextAt(request, kTimeAt, kTimeWidth);
    settings.timeZone = request[kTimeZoneAt];
    return settings;
}

std::optional<NetworkSettings> ReadNetworkSettings(const Datagram& request) {
    if (request.size() < kNetworkSettingsSize) {
        return std::nullopt;
    }
    NetworkSettings settings;
    settings.ipStatus = request[kIpStatusAt];
    std::string* addresses[] = {&settings.ip, &settings.mask, &settings.gateway, &settings.dns1,
                                &settings.dns2};
    for (size_t i = 0; i < 5; ++i) {
        *addresses[i] = TextAt(request, kAddressesAt + i * kAddressWidth, kAddressWidth);
    }
    return settings;
}

}  // namespace zerin::devsim
