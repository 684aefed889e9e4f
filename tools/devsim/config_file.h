// Reads the simulated devices from a text file.
//
// Format: one "[device]" line starts each device, followed by "key = value" lines. Blank lines and
// lines starting with '#' are ignored; blanks around keys and values are dropped. The keys, with
// their limits and defaults, are in the parser's table in config_file.cpp, which ConfigFileHelp
// (devsim --help) shows.
// MACs must differ between devices. A file without devices is valid: only --burst devices answer.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "tools/devsim/device_state.h"

namespace zerin::devsim {

// The devices of the file in order; on failure nothing, and error names the line and the fault.
std::optional<std::vector<DeviceState>> ParseConfig(std::istream& in, std::string& error);

// The format for devsim --help: every key with an example value, the values it takes and its
// default.
std::string ConfigFileHelp();

}  // namespace zerin::devsim
