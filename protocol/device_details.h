// The detail queries of one device: its information, network settings, share count, share names
// and USB storage asked for one after the other on one socket, and the record filled from every
// reply that matches its request.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "protocol/device_record.h"
#include "protocol/device_texts.h"
#include "protocol/exchange.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"

namespace zerin {

// What the main window shows after the queries.
struct DeviceDetails {
    // The socket was opened and the queries ran: the device buttons may be enabled. When false,
    // a message has been reported, nothing was sent and the record is unchanged.
    bool opened = false;
    // The details panel's texts, from the record as the queries left it; empty when not opened.
    DetailTexts texts;
    // The USB list view's rows; none when no matching USB information reply came.
    std::vector<UsbRow> usbRows;
    // The command of the first request left without a matching reply, if any.
    std::optional<uint16_t> unanswered;
};

// Runs the detail queries of the device and updates its record: a request without a matching
// reply leaves that request's fields as they were. The share list is rebuilt every time.
DeviceDetails QueryDeviceDetails(SocketLayer& sockets, Reporter& reporter, DeviceRecord& record,
                                 const ExchangeOptions& options = {});

}  // namespace zerin
