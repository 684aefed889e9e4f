// The device a command names: found by a search, by its name or its MAC address as `search`
// prints it. Used by show, verify, set-device and set-network.
#pragma once

#include <memory>
#include <string>

#include "protocol/device_record.h"
#include "cli/command.h"

namespace zerin::cli {

// The first device found whose name or MAC address text is the given one; null, after saying
// so on the error stream, when no device is.
std::unique_ptr<DeviceRecord> LookUpDevice(CommandContext& context, const std::string& device);

}  // namespace zerin::cli
