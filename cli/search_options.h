// The options of every command that searches (--adapter, --target, --rate, --no-broadcast and
// --window), and what the tool says when a search does not go out or finds no such device.
#pragma once

#include <CLI/CLI.hpp>

#include "cli/command.h"
#include "operations/search/device_finder.h"

namespace zerin::cli {

void AddSearchOptions(CLI::App& command, SearchOptions& options);

// The failure said, unless the network failed first; its exit status: bad input, or the network
// failed when no adapter is up.
int SayFailure(CommandContext& context, const SearchFailure& failure);

}  // namespace zerin::cli
