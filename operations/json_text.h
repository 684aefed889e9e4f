// The JSON of every front-end: objects keep their fields in the order they are given, and device
// texts that are not valid UTF-8 show U+FFFD where their bad bytes stand.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace zerin {

using Json = nlohmann::ordered_json;

// The value on one line, without a line end.
std::string JsonText(const Json& value);

// The value as the tool writes a file of it: indented by two spaces, ending with a line end.
std::string FileJsonText(const Json& value);

// The text as valid UTF-8, as the JSON gives it back: each byte that is not, U+FFFD.
std::string ValidUtf8(const std::string& text);

// The text's value; nothing, with "not JSON: ..." and the line and column of a syntax error in
// error, for text that is not JSON.
std::optional<Json> ParseJsonText(const std::string& text, std::string& error);

}  // namespace zerin
