// What a search says it did under -v, on standard error: for each adapter where its request went
// and which devices answered through it, and a hint where none did, so that a firewall can be told
// from an empty network.
#pragma once

#include <vector>

#include "cli/command.h"
#include "cli/device_finder.h"

namespace zerin::cli {

void SayWhatTheSearchDid(CommandContext& context, const std::vector<NetworkAdapter>& adapters,
                         const SearchResult& result);

}  // namespace zerin::cli
