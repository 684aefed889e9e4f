// The detail queries exchange and the reading of its device, network and share count replies.
#include "protocol/device_details.h"

#include "protocol/exchange.h"
#include "protocol/packet.h"
#include "protocol/share_list_query.h"
#include "protocol/usb_info_entry.h"

namespace zerin {

namespace {

constexpr ExchangeTiming kDetailQueryTiming{0x0202, 200, 100, true};

// Device information reply layout.
constexpr size_t kProductCodeOffset = 12;
constexpr size_t kFirmwareVersionOffset = 16;
constexpr size_t kPasswordFlagOffset = 20;
constexpr size_t kDescriptionOffset = 37;
constexpr size_t kDeviceDateOffset = 101;
constexpr size_t kDeviceTimeOffset = 109;
constexpr size_t kTimeZoneIndexOffset = 115;
constexpr size_t kDeviceInfoLength = kTimeZoneIndexOffset + 1;

// Network information reply layout: the IP status, then five 15-byte addresses back to back.
constexpr size_t kIpStatusOffset = 12;
constexpr size_t kIpAddressOffset = 13;
constexpr size_t kSubnetMaskOffset = 28;
constexpr size_t kDefaultGatewayOffset = 43;
constexpr size_t kPrimaryDnsOffset = 58;
constexpr size_t kSecondaryDnsOffset = 73;
constexpr size_t kNetworkInfoLength = kSecondaryDnsOffset + 15;

// Share count reply layout: a signed 16-bit count.
constexpr size_t kShareCountOffset = 12;
constexpr size_t kShareCountLength = kShareCountOffset + 2;

// Each reader takes a reply only when it holds every byte the reader copies.

void ReadDeviceInfoReply(const uint8_t* reply, size_t length, DeviceRecord& record) {
    if (length < kDeviceInfoLength) {
        return;
    }
    CopyTextField(record.productCode, reply + kProductCodeOffset);
    CopyTextField(record.firmwareVersion, reply + kFirmwareVersionOffset);
    record.passwordFlag = reply[kPasswordFlagOffset];
    CopyTextField(record.description, reply + kDescriptionOffset);
    CopyTextField(record.deviceDate, reply + kDeviceDateOffset);
    CopyTextField(record.deviceTime, reply + kDeviceTimeOffset);
    record.timeZoneIndex = reply[kTimeZoneIndexOffset];
}

void ReadNetworkInfoReply(const uint8_t* reply, size_t length, DeviceRecord& record) {
    if (length < kNetworkInfoLength) {
        return;
    }
    record.ipStatus = reply[kIpStatusOffset];
    CopyTextField(record.ipAddress, reply + kIpAddressOffset);
    CopyTextField(record.subnetMask, reply + kSubnetMaskOffset);
    CopyTextField(record.defaultGateway, reply + kDefaultGatewayOffset);
    CopyTextField(record.primaryDns, reply + kPrimaryDnsOffset);
    CopyTextField(record.secondaryDns, reply + kSecondaryDnsOffset);
}

void ReadShareCountReply(const uint8_t* reply, size_t length, DeviceRecord& record) {
    if (length >= kShareCountLength) {
        record.shareCount = static_cast<int16_t>(ReadU16(reply + kShareCountOffset));
    }
}

using ReplyReader = void (*)(const uint8_t*, size_t, DeviceRecord&);

// Sends a request without payload and hands a reply with the request's command to the reader.
void QueryInto(Exchange& exchange, uint16_t command, ReplyReader read, DeviceRecord& record) {
    if (auto length = exchange.Request(command)) {
        read(exchange.Received(), *length, record);
    }
}

std::vector<UsbRow> QueryUsbRows(Exchange& exchange) {
    std::vector<UsbRow> rows;
    if (auto length = exchange.Request(CMD_GET_USB_INFO)) {
        for (const UsbInfoEntry& entry : ReadUsbInfoReply(exchange.Received(), *length)) {
            rows.push_back(FormatUsbRow(entry));
        }
    }
    return rows;
}

}  // namespace

DeviceDetails QueryDeviceDetails(SocketLayer& sockets, Reporter& reporter, DeviceRecord& record,
                                 const ExchangeOptions& options) {
    Exchange exchange(sockets, reporter, kDetailQueryTiming, options);
    if (!exchange.OpenForBroadcast()) {
        return {};
    }
    exchange.SetTarget(record.macAddress);
    QueryInto(exchange, CMD_GET_DEVICE_INFO, ReadDeviceInfoReply, record);
    QueryInto(exchange, CMD_GET_NETWORK_INFO, ReadNetworkInfoReply, record);
    DeviceDetails details{true, FormatDetailTexts(record), {}, std::nullopt};
    QueryInto(exchange, CMD_GET_SHARE_COUNT, ReadShareCountReply, record);
    QueryShareList(exchange, record);
    details.usbRows = QueryUsbRows(exchange);
    details.unanswered = exchange.FirstUnanswered();
    return details;
}

}  // namespace zerin
