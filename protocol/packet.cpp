// Reading and writing the packet header at its fixed offsets.
#include "protocol/packet.h"

#include <algorithm>

namespace zerin {

PacketHeader PacketHeader::Read(const uint8_t* bytes) {
    PacketHeader header;
    header.command = ReadU16(bytes + kCommandOffset);
    header.status = ReadU16(bytes + kStatusOffset);
    header.payloadLength = ReadU16(bytes + kPayloadLengthOffset);
    std::copy_n(bytes + kMacOffset, header.mac.size(), header.mac.begin());
    return header;
}

void PacketHeader::Write(uint8_t* bytes) const {
    WriteU16(bytes + kCommandOffset, command);
    WriteU16(bytes + kStatusOffset, status);
    WriteU16(bytes + kPayloadLengthOffset, payloadLength);
    std::copy(mac.begin(), mac.end(), bytes + kMacOffset);
}

}  // namespace zerin
