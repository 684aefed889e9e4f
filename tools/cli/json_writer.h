// Minimal JSON output for the command-line tool: escaped strings, objects and arrays.
#pragma once

#include <string>

namespace zerin::cli {

// The text as a JSON string literal; bytes outside printable ASCII become \u escapes.
std::string JsonString(const std::string& text);

}  // namespace zerin::cli
