// A verification that only a broadcast can carry hands the administrator's password to every host
// on the link: it goes out after a warning, once a device, or is refused when the user asked so.
#pragma once

#include <functional>
#include <string>

#include "protocol/device_record.h"

namespace zerin {

// True when the device's verification may go out: by unicast, or by broadcast after warning
// through warn; false when only a broadcast reaches the device and refuse is set.
bool MayVerify(const DeviceRecord& device, bool refuse,
               const std::function<void(const std::string&)>& warn);

// "NAME has an address outside this network: its administrator password is not sent as a
// broadcast", the reason of a refusal.
std::string BroadcastRefusedText(const DeviceRecord& device);

}  // namespace zerin
