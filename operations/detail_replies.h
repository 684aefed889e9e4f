// The detail queries' replies as every front-end speaks of them: what each request asks for, and
// the first reply missing that a write builds on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "protocol/device_details.h"

namespace zerin {

// What a request of the detail queries asks for, as messages name it: "device information", ...
std::string DetailRequestName(uint16_t command);

// The command of the first detail query, up to and including the needed one, that went
// unanswered.
std::optional<uint16_t> MissingReply(const DeviceDetails& details, uint16_t needed);

}  // namespace zerin
