// `zerin-cli search`: lists the devices that answer a search.
#pragma once

#include <ostream>

#include "protocol/device_record.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"
#include "cli/command.h"

namespace zerin::cli {

const Command& SearchCommand();

// Runs a search and returns the devices in the order their answers arrived.
DeviceArray FindDevices(SocketLayer& sockets, Reporter& reporter);

// One line per device, name, MAC and IP address separated by tabs; or a JSON array.
void PrintDevices(const DeviceArray& devices, bool json, std::ostream& out);

}  // namespace zerin::cli
