// The device protocol's packet header, command codes and little-endian field access.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zerin {

constexpr uint16_t kDevicePort = 1638;
constexpr size_t kHeaderSize = 12;
constexpr size_t kPacketBufferSize = 1024;

using MacAddress = std::array<uint8_t, 6>;

enum Command : uint16_t {
    CMD_SEARCH = 0,
    CMD_GET_DEVICE_INFO = 16,
    CMD_SET_DEVICE_INFO = 17,
    CMD_GET_NETWORK_INFO = 18,
    CMD_SET_NETWORK_INFO = 19,
    CMD_GET_USB_INFO = 20,
    CMD_VERIFY = 21,
    CMD_GET_SHARE_COUNT = 32,
    CMD_GET_SHARE_LIST = 33,
};

// Byte offsets of the header fields; the payload starts at kHeaderSize.
constexpr size_t kCommandOffset = 0;
constexpr size_t kStatusOffset = 2;
constexpr size_t kPayloadLengthOffset = 4;
constexpr size_t kMacOffset = 6;

inline uint16_t ReadU16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

inline void WriteU16(uint8_t* bytes, uint16_t value) {
    bytes[0] = static_cast<uint8_t>(value);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

inline uint32_t ReadU32(const uint8_t* bytes) {
    return static_cast<uint32_t>(ReadU16(bytes)) | static_cast<uint32_t>(ReadU16(bytes + 2)) << 16;
}

inline void WriteU32(uint8_t* bytes, uint32_t value) {
    WriteU16(bytes, static_cast<uint16_t>(value));
    WriteU16(bytes + 2, static_cast<uint16_t>(value >> 16));
}

// Copies at most width characters of the text into a field of a zero-filled buffer: a shorter
// text leaves the rest of the field zero, a text of width characters fills it unterminated.
inline void WriteTextField(uint8_t* field, size_t width, std::string_view text) {
    std::copy_n(text.begin(), std::min(width, text.size()), field);
}

// The 12-byte header at the start of every request and reply.
struct PacketHeader {
    uint16_t command = 0;
    uint16_t status = 0;
    uint16_t payloadLength = 0;
    MacAddress mac{};

    static PacketHeader Read(const uint8_t* bytes);
    void Write(uint8_t* bytes) const;
};

}  // namespace zerin
