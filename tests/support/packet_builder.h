// Builds datagrams for tests: a header followed by payload bytes written at given offsets.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "protocol/packet.h"

namespace zerin::testing {

class PacketBuilder {
  public:
    PacketBuilder(uint16_t command, size_t length) : bytes_(length) {
        WriteU16(bytes_.data() + kCommandOffset, command);
    }
    PacketBuilder& Status(uint16_t status) {
        WriteU16(bytes_.data() + kStatusOffset, status);
        return *this;
    }
    PacketBuilder& Mac(const MacAddress& mac) { return Raw(kMacOffset, mac.data(), mac.size()); }
    PacketBuilder& Text(size_t offset, const std::string& text) {
        return Raw(offset, text.data(), text.size());
    }
    PacketBuilder& U8(size_t offset, uint8_t value) { return Raw(offset, &value, 1); }
    PacketBuilder& U16(size_t offset, uint16_t value) {
        WriteU16(bytes_.data() + offset, value);
        return *this;
    }
    PacketBuilder& U32(size_t offset, uint32_t value) {
        WriteU32(bytes_.data() + offset, value);
        return *this;
    }
    PacketBuilder& Raw(size_t offset, const void* data, size_t size) {
        std::memcpy(bytes_.data() + offset, data, size);
        return *this;
    }
    std::vector<uint8_t> Build() const { return bytes_; }
    operator std::vector<uint8_t>() const { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
};

}  // namespace zerin::testing
