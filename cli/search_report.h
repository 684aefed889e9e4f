// What a search says it did under -v, on standard error: for each adapter where its request went
// and which devices answered through it, the same for the targets, and a hint where none did, so
// that a firewall can be told from an empty network; and a receive buffer smaller than asked for.
#pragma once

#include <vector>

#include "cli/command.h"
#include "operations/search/device_finder.h"

namespace zerin::cli {

void SayWhatTheSearchDid(CommandContext& context, const WideSearchPlan& plan,
                         const SearchResult& result);

}  // namespace zerin::cli
