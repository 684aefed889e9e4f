// `zerin-cli show DEVICE [--json]`: runs the detail queries of a device and prints what the
// main window shows of it, its share names and its USB rows.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "cli/command.h"
#include "protocol/device_details.h"
#include "protocol/device_record.h"

namespace zerin::cli {

std::unique_ptr<Command> MakeShowCommand();

// One "label: value" line per detail text, in the main window's order, then one line per share
// name and one tab-separated line per USB row under the USB list view's headings.
void PrintDetails(const DeviceRecord& record, const DeviceDetails& details, std::ostream& out);

}  // namespace zerin::cli
