// `zerin-cli timezones [--json]`: the devices' 75 time zones with their indexes, as --timezone
// takes them.
#pragma once

#include <memory>

#include "cli/command.h"

namespace zerin::cli {

std::unique_ptr<Command> MakeTimeZonesCommand();

}  // namespace zerin::cli
