// `zerin-cli search`: lists the devices that answer a search.
#pragma once

#include <memory>
#include <ostream>

#include "cli/command.h"
#include "protocol/device_record.h"
#include "protocol/reporter.h"
#include "protocol/socket_layer.h"

namespace zerin::cli {

std::unique_ptr<Command> MakeSearchCommand();

// Runs a search and returns the devices in the order their answers arrived.
DeviceArray FindDevices(SocketLayer& sockets, Reporter& reporter);

// One line per device, name, MAC and IP address separated by tabs; or a JSON array.
void PrintDevices(const DeviceArray& devices, bool json, std::ostream& out);

}  // namespace zerin::cli
