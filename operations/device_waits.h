// How an operation waits for a device: each reply for a time after each send, a request left
// unanswered sent again as often as allowed, and every request the way the device's search
// answer came.
#pragma once

#include "protocol/device_record.h"
#include "protocol/exchange.h"

namespace zerin {

struct Waits {
    int timeoutMs = 3000;  // for a reply to each send of a request
    int retries = 1;       // sends again of a request left unanswered
};

// The exchange's options towards the device; no request after the first one left unanswered.
ExchangeOptions ExchangeOptionsOf(const Waits& waits, const DeviceRecord& device);

}  // namespace zerin
