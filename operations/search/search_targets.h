// The targets of a search that goes past the local network: --target on the command line and
// "targets" in apply's file, each an address (203.0.113.7), a CIDR block (203.0.113.0/24) or a
// range (203.0.113.10-203.0.113.40).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "protocol/wide_search.h"

namespace zerin {

// The most target addresses one run sends to.
constexpr uint64_t kMaxTargetAddresses = 65536;

// The addresses of the target's text: a block with its network and broadcast addresses, whatever
// its host bits. Nothing, with the reason in error, for any other text.
std::optional<AddressRange> ParseTarget(const std::string& text, std::string& error);

}  // namespace zerin
