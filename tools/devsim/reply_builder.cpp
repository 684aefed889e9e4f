// The bytes of every reply a simulated device sends.
#include "tools/devsim/reply_builder.h"

#include <algorithm>

#include "protocol/packet.h"

namespace zerin::devsim {

namespace {

// Search and device info replies.
constexpr size_t kProductCodeAt = 12;

// Search reply.
constexpr size_t kSearchNameAt = 16;
constexpr size_t kSearchIpAt = 32;
constexpr size_t kSearchWordAt = 48;
constexpr size_t kSearchReplySize = 50;

// Device info reply.
constexpr size_t kFirmwareAt = 16;
constexpr size_t kPasswordFlagAt = 20;
constexpr size_t kInfoNameAt = 21;
constexpr size_t kDescriptionAt = 37;
constexpr size_t kDateAt = 101;
constexpr size_t kTimeAt = 109;
constexpr size_t kTimeZoneAt = 115;
constexpr size_t kDeviceInfoReplySize = 116;

// Network info reply: the status byte, then five addresses back to back.
constexpr size_t kIpStatusAt = 12;
constexpr size_t kAddressesAt = 13;
constexpr size_t kNetworkInfoReplySize = kAddressesAt + 5 * kAddressWidth;

// Share count, share list and USB info replies.
constexpr size_t kShareCountAt = 12;
constexpr size_t kPageAt = 12;
constexpr size_t kPageCountAt = 13;
constexpr size_t kShareEntriesAt = 14;
constexpr size_t kShareEntrySize = 36;
constexpr size_t kUsbCountAt = 12;
constexpr size_t kUsbEntriesAt = 13;
constexpr size_t kUsbEntrySize = 68;

// Offsets within one USB entry.
constexpr size_t kUsbDeviceIdAt = 36;
constexpr size_t kUsbFileSystemAt = 52;
constexpr size_t kUsbFileSystemWidth = 10;
constexpr size_t kUsbTotalAt = 62;
constexpr size_t kUsbFreeAt = 66;

// A zero-filled reply of the given size whose header names the command and the device.
Datagram StartReply(const DeviceState& device, uint16_t command, size_t size) {
    Datagram reply(size, 0);
    PacketHeader header;
    header.command = command;
    header.payloadLength = static_cast<uint16_t>(size - kHeaderSize);
    header.mac = device.mac;
    header.Write(reply.data());
    return reply;
}

void PutText(Datagram& reply, size_t offset, size_t width, const std::string& text) {
    WriteTextField(reply.data() + offset, width, text);
}

void PutUsbEntry(Datagram& reply, size_t offset, const UsbEntry& entry) {
    PutText(reply, offset, kShareNameMax, entry.shareName);
    PutText(reply, offset + kUsbDeviceIdAt, kDeviceIdWidth, entry.deviceId);
    PutText(reply, offset + kUsbFileSystemAt, kUsbFileSystemWidth, entry.fileSystem);
    WriteU32(&reply[offset + kUsbTotalAt], entry.totalMegabytes);
    WriteU16(&reply[offset + kUsbFreeAt], static_cast<uint16_t>(entry.freePercent));
}

}  // namespace

Datagram BuildSearchReply(const DeviceState& device) {
    Datagram reply = StartReply(device, CMD_SEARCH, kSearchReplySize);
    PutText(reply, kProductCodeAt, kCodeWidth, device.productCode);
    PutText(reply, kSearchNameAt, kNameWidth, device.name);
    PutText(reply, kSearchIpAt, kAddressWidth, device.ip);
    WriteU16(&reply[kSearchWordAt], device.searchWord);
    return reply;
}

Datagram BuildDeviceInfoReply(const DeviceState& device) {
    Datagram reply = StartReply(device, CMD_GET_DEVICE_INFO, kDeviceInfoReplySize);
    PutText(reply, kProductCodeAt, kCodeWidth, device.productCode);
    PutText(reply, kFirmwareAt, kCodeWidth, device.firmware);
    reply[kPasswordFlagAt] = device.passwordFlag;
    PutText(reply, kInfoNameAt, kNameWidth, device.name);
    PutText(reply, kDescriptionAt, kDescriptionWidth, device.description);
    PutText(reply, kDateAt, kDateWidth, device.date);
    PutText(reply, kTimeAt, kTimeWidth, device.time);
    reply[kTimeZoneAt] = device.timeZone;
    return reply;
}

Datagram BuildNetworkInfoReply(const DeviceState& device) {
    Datagram reply = StartReply(device, CMD_GET_NETWORK_INFO, kNetworkInfoReplySize);
    reply[kIpStatusAt] = device.ipStatus;
    const std::string* addresses[] = {&device.ip, &device.mask, &device.gateway, &device.dns1,
                                      &device.dns2};
    for (size_t i = 0; i < 5; ++i) {
        PutText(reply, kAddressesAt + i * kAddressWidth, kAddressWidth, *addresses[i]);
    }
    return reply;
}

Datagram BuildShareCountReply(const DeviceState& device) {
    Datagram reply = StartReply(device, CMD_GET_SHARE_COUNT, kShareCountAt + 2);
    WriteU16(&reply[kShareCountAt], static_cast<uint16_t>(device.shares.size()));
    return reply;
}

Datagram BuildShareListReply(const DeviceState& device, uint8_t page) {
    size_t first = std::min(device.shares.size(), page * kSharesPerPage);
    size_t count = std::min(kSharesPerPage, device.shares.size() - first);
    Datagram reply =
        StartReply(device, CMD_GET_SHARE_LIST, kShareEntriesAt + count * kShareEntrySize);
    reply[kPageAt] = page;
    reply[kPageCountAt] = static_cast<uint8_t>(count);
    for (size_t i = 0; i < count; ++i) {
        PutText(reply, kShareEntriesAt + i * kShareEntrySize, kShareNameMax,
                device.shares[first + i]);
    }
    return reply;
}

Datagram BuildUsbInfoReply(const DeviceState& device) {
    size_t count = std::min(device.usb.size(), kMaxUsbEntries);
    Datagram reply = StartReply(device, CMD_GET_USB_INFO, kUsbEntriesAt + count * kUsbEntrySize);
    reply[kUsbCountAt] = static_cast<uint8_t>(count);
    for (size_t i = 0; i < count; ++i) {
        PutUsbEntry(reply, kUsbEntriesAt + i * kUsbEntrySize, device.usb[i]);
    }
    return reply;
}

Datagram BuildStatusReply(const DeviceState& device, uint16_t command, uint16_t status) {
    Datagram reply = StartReply(device, command, kHeaderSize);
    WriteU16(&reply[kStatusOffset], status);
    return reply;
}

void ReplaceProductCode(Datagram& reply, const std::string& productCode) {
    if (reply.size() >= kProductCodeAt + kCodeWidth) {
        std::fill_n(reply.begin() + kProductCodeAt, kCodeWidth, 0);
        PutText(reply, kProductCodeAt, kCodeWidth, productCode);
    }
}

}  // namespace zerin::devsim
