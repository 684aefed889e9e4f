// Device replies for tests.
#include "tests/support/device_replies.h"

#include <algorithm>

namespace zerin::testing {

PacketBuilder SearchReply(const DeviceState& device) {
    return PacketBuilder(CMD_SEARCH, 50)
        .Mac(device.mac)
        .Text(12, "0101")
        .Text(16, device.name)
        .Text(32, device.ip);
}

PacketBuilder DeviceInfoReply(const DeviceState& device) {
    return PacketBuilder(CMD_GET_DEVICE_INFO, 116)
        .Text(12, "0101")
        .Text(16, device.firmware)
        .U8(20, device.passwordFlag)
        .Text(21, device.name)
        .Text(37, device.description)
        .Text(101, device.date)
        .Text(109, device.time)
        .U8(115, device.timeZone);
}

PacketBuilder NetworkInfoReply(const DeviceState& device) {
    return PacketBuilder(CMD_GET_NETWORK_INFO, 88)
        .U8(12, device.ipStatus)
        .Text(13, device.ip)
        .Text(28, device.mask)
        .Text(43, device.gateway)
        .Text(58, device.dns1)
        .Text(73, device.dns2);
}

PacketBuilder ShareCountReply(int16_t count, size_t length) {
    return PacketBuilder(CMD_GET_SHARE_COUNT, length).U16(12, static_cast<uint16_t>(count));
}

PacketBuilder SharePageReply(uint8_t page, const std::vector<std::string>& names, int claimed) {
    PacketBuilder reply(CMD_GET_SHARE_LIST, 14 + 36 * names.size());
    reply.U8(12, page).U8(13, static_cast<uint8_t>(claimed < 0 ? names.size() : claimed));
    for (size_t i = 0; i < names.size(); ++i) {
        reply.Text(14 + 36 * i, names[i]);
    }
    return reply;
}

PacketBuilder UsbInfoReply(const std::vector<Usb>& entries, int claimed) {
    PacketBuilder reply(CMD_GET_USB_INFO, 13 + 68 * entries.size());
    reply.U8(12, static_cast<uint8_t>(claimed < 0 ? entries.size() : claimed));
    for (size_t i = 0; i < entries.size(); ++i) {
        const size_t at = 13 + 68 * i;
        reply.Text(at, entries[i].share)
            .Text(at + 36, entries[i].id)
            .Text(at + 52, entries[i].fs)
            .U32(at + 62, entries[i].total)
            .U16(at + 66, static_cast<uint16_t>(entries[i].free));
    }
    return reply;
}

ScriptedDevices::ScriptedDevices(ScriptedSocketLayer& sockets, std::vector<DeviceState> states)
    : devices(std::move(states)) {
    sockets.onSend = [this, &sockets](const Bytes& request) { Answer(sockets, request); };
}

void ScriptedDevices::Answer(ScriptedSocketLayer& sockets, const Bytes& request) {
    requests.push_back(request);
    const PacketHeader header = PacketHeader::Read(request.data());
    if (header.command == CMD_SEARCH) {
        for (const DeviceState& device : devices) {
            sockets.Deliver(SearchReply(device));
        }
        return;
    }
    auto device = std::find_if(devices.begin(), devices.end(),
                               [&](const DeviceState& d) { return d.mac == header.mac; });
    if (device == devices.end()) {
        return;
    }
    switch (header.command) {
        case CMD_GET_DEVICE_INFO:
            sockets.Deliver(DeviceInfoReply(*device));
            break;
        case CMD_GET_NETWORK_INFO:
            sockets.Deliver(NetworkInfoReply(*device));
            break;
        case CMD_GET_SHARE_COUNT:
            sockets.Deliver(ShareCountReply(static_cast<int16_t>(device->shares.size())));
            break;
        case CMD_GET_SHARE_LIST: {
            const size_t first = request[12] * 20u;
            const size_t last = std::min(device->shares.size(), first + 20);
            sockets.Deliver(SharePageReply(
                request[12],
                std::vector<std::string>(device->shares.begin() + std::min(first, last),
                                         device->shares.begin() + last)));
            break;
        }
        case CMD_GET_USB_INFO:
            sockets.Deliver(UsbInfoReply(device->usb));
            break;
        case CMD_VERIFY:
            sockets.Deliver(PacketBuilder(CMD_VERIFY, 12).Status(device->verifyStatus));
            break;
        case CMD_SET_DEVICE_INFO:
            sockets.Deliver(PacketBuilder(CMD_SET_DEVICE_INFO, 12));
            break;
        case CMD_SET_NETWORK_INFO:
            sockets.Deliver(
                PacketBuilder(CMD_SET_NETWORK_INFO, 12).Status(device->setNetworkStatus));
            break;
        default:
            break;
    }
}

}  // namespace zerin::testing
