// `zerin-cli show DEVICE [--json]`: runs the detail queries of a device and prints what it
// reports: its settings, its share names and its USB rows.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "cli/command.h"
#include "protocol/device_details.h"
#include "protocol/device_record.h"

namespace zerin::cli {

std::unique_ptr<Command> MakeShowCommand();

// One "Label: value" line for each of what the JSON holds, the values aligned on a terminal, then
// the USB rows under a header, aligned on a terminal and tab-separated elsewhere.
void PrintDetails(const DeviceRecord& record, const DeviceDetails& details, std::ostream& out,
                  bool terminal);

}  // namespace zerin::cli
