// The JSON of every front-end: objects keep their fields in the order they are given, and device
// texts that are not valid UTF-8 show U+FFFD where their bad bytes stand.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace zerin {

using Json = nlohmann::ordered_json;

// The value on one line, without a line end.
std::string JsonText(const Json& value);

}  // namespace zerin
