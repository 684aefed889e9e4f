// `zerin-cli export [DEVICE...] [SEARCH] [WAITS] [--jobs N] [-o FILE]`: the backup of a fleet's
// settings, as the apply file that puts them back (see fleet_export.h).
#pragma once

#include <memory>

#include "cli/command.h"

namespace zerin::cli {

std::unique_ptr<Command> MakeExportCommand();

}  // namespace zerin::cli
