// Small parsers for the values of the configuration file and the command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "protocol/packet.h"

namespace zerin::devsim {

// The text without leading and trailing blanks.
std::string Trim(const std::string& text);

// The comma-separated items of a text, each trimmed.
std::vector<std::string> SplitList(const std::string& text);

// A decimal or 0x-prefixed hexadecimal number no larger than max.
std::optional<uint32_t> ParseUnsigned(const std::string& text, uint32_t max);

// Six hexadecimal byte pairs separated by ':' or '-'.
std::optional<MacAddress> ParseMac(const std::string& text);

// The text in lower-case colon form, as the client shows a MAC address.
std::string FormatMac(const MacAddress& mac);

// True for four decimal numbers 0 to 255 separated by dots.
bool IsDottedQuad(const std::string& text);

// True when the text is exactly count ASCII digits.
bool IsDigits(const std::string& text, size_t count);

}  // namespace zerin::devsim
