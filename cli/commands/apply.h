// `zerin-cli apply FILE [--dry-run] [--jobs N] [--timeout SECONDS] [--json]`: sets up a fleet of
// devices from one file (see fleet_file.h), planned first, in parallel, safe to run twice.
#pragma once

#include <memory>

#include "cli/command.h"

namespace zerin::cli {

std::unique_ptr<Command> MakeApplyCommand();

}  // namespace zerin::cli
