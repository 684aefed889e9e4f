// Minimal JSON output for the command-line tool: escaped strings, objects and arrays.
#pragma once

#include <string>
#include <vector>

namespace zerin::cli {

// The text as a JSON string literal; bytes outside printable ASCII become \u escapes.
std::string JsonString(const std::string& text);

// One JSON object, its members in the order they are added.
class JsonObject {
  public:
    JsonObject& String(const std::string& key, const std::string& value);
    JsonObject& Number(const std::string& key, long long value);
    // A member whose value is JSON text already.
    JsonObject& Json(const std::string& key, const std::string& json);
    std::string Text() const { return "{" + members_ + "}"; }

  private:
    std::string members_;
};

// A JSON array of values that are JSON text already.
std::string JsonArray(const std::vector<std::string>& values);

}  // namespace zerin::cli
