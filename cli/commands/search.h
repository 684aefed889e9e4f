// `zerin-cli search [--json | --csv] [--window SECONDS] [--watch [--interval SECONDS]
// [--count N]]`: lists the devices that answer a search through every adapter, or watches them
// come, change and go.
#pragma once

#include <memory>

#include "cli/command.h"

namespace zerin::cli {

std::unique_ptr<Command> MakeSearchCommand();

}  // namespace zerin::cli
