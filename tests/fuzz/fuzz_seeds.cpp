// Writes the reply fuzzer's seed corpus into the folder given: for each exchange, the replies
// of a device that answers everything as it should.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_input.h"
#include "tests/support/packet_builder.h"

namespace {

using zerin::fuzz::Bytes;
using zerin::fuzz::Target;
using zerin::testing::PacketBuilder;
using namespace zerin;

Bytes SharePage(uint8_t page, int count) {
    PacketBuilder reply(CMD_GET_SHARE_LIST, 14 + 36 * count);
    reply.U8(12, page).U8(13, static_cast<uint8_t>(count));
    for (int i = 0; i < count; ++i) {
        reply.Text(14 + 36 * i, "Share" + std::to_string(page * 20 + i));
    }
    return reply;
}

Bytes UsbInfo() {
    return PacketBuilder(CMD_GET_USB_INFO, 13 + 2 * 68)
        .U8(12, 2)
        .Text(13, "Share0")
        .Text(13 + 36, "USB2-0000A1B2C3D")
        .Text(13 + 52, "NTFS")
        .U32(13 + 62, 0xffffffff)
        .U16(13 + 66, 7)
        .Text(81, "Share1")
        .U16(81 + 66, 0xffff);
}

std::vector<Bytes> DetailReplies(int16_t shareCount) {
    return {PacketBuilder(CMD_GET_DEVICE_INFO, 116)
                .Text(12, "0101")
                .Text(16, "0107")
                .U8(20, 1)
                .Text(37, "Office storage")
                .Text(101, "20240115093005")
                .U8(115, 56),
            PacketBuilder(CMD_GET_NETWORK_INFO, 88).U8(12, 1).Text(13, "198.51.100.10"),
            PacketBuilder(CMD_GET_SHARE_COUNT, 14).U16(12, static_cast<uint16_t>(shareCount)),
            SharePage(0, 20),
            SharePage(1, 5),
            UsbInfo()};
}

bool Write(const std::string& path, const Bytes& input) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(input.data()),
               static_cast<std::streamsize>(input.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const Bytes search = PacketBuilder(CMD_SEARCH, 50)
                             .Text(12, "0101NETSTOR-000010")
                             .Text(32, "198.51.100.10")
                             .U16(48, 1);
    const std::pair<const char*, Bytes> seeds[] = {
        {"search", zerin::fuzz::WriteFuzzInput(Target::kSearch, {search, search})},
        {"details", zerin::fuzz::WriteFuzzInput(Target::kDetailQueries, DetailReplies(25))},
        {"details-negative-count",
         zerin::fuzz::WriteFuzzInput(Target::kDetailQueries, DetailReplies(-1))},
        {"verify", zerin::fuzz::WriteFuzzInput(Target::kVerification,
                                               {PacketBuilder(CMD_VERIFY, 12).Status(1)})},
        {"device-settings", zerin::fuzz::WriteFuzzInput(Target::kDeviceSettings,
                                                        {PacketBuilder(CMD_SET_DEVICE_INFO, 12)})},
        {"network-settings",
         zerin::fuzz::WriteFuzzInput(Target::kNetworkSettings,
                                     {PacketBuilder(CMD_SET_NETWORK_INFO, 12).Status(2)})},
    };
    for (const auto& [name, input] : seeds) {
        if (!Write(folder + "/" + name, input)) {
            std::cerr << "fuzz_seeds: cannot write " << folder << "/" << name << "\n";
            return 1;
        }
    }
    return 0;
}
