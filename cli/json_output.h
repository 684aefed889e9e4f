// The tool's JSON output: objects keep their fields in the order they are given, and device
// texts that are not valid UTF-8 show U+FFFD where their bad bytes stand.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

namespace zerin::cli {

using Json = nlohmann::ordered_json;

// The value on one line.
void PrintJson(const Json& value, std::ostream& out);

}  // namespace zerin::cli
