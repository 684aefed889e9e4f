// The exchange's options of an operation.
#include "operations/device_waits.h"

namespace zerin {

ExchangeOptions ExchangeOptionsOf(const Waits& waits, const DeviceRecord& device) {
    ExchangeOptions options = TowardsDevice(device);
    options.replyTimeoutMs = waits.timeoutMs;
    options.stopWhenUnanswered = true;
    options.retries = waits.retries;
    return options;
}

}  // namespace zerin
