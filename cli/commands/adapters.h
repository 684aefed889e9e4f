// `zerin-cli adapters [--json]`: the network adapters a search goes through.
#pragma once

#include <memory>

#include "cli/command.h"

namespace zerin::cli {

std::unique_ptr<Command> MakeAdaptersCommand();

}  // namespace zerin::cli
