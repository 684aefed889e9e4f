// JSON strings, objects and arrays for the command-line tool.
#include "cli/json_writer.h"

#include <cstdio>

namespace zerin::cli {

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            json += escape;
        } else {
            json += static_cast<char>(c);
        }
    }
    return json + "\"";
}

JsonObject& JsonObject::String(const std::string& key, const std::string& value) {
    return Json(key, JsonString(value));
}

JsonObject& JsonObject::Number(const std::string& key, long long value) {
    return Json(key, std::to_string(value));
}

JsonObject& JsonObject::Json(const std::string& key, const std::string& json) {
    members_ += (members_.empty() ? "" : ",") + JsonString(key) + ":" + json;
    return *this;
}

std::string JsonArray(const std::vector<std::string>& values) {
    std::string json;
    for (const std::string& value : values) {
        json += (json.empty() ? "" : ",") + value;
    }
    return "[" + json + "]";
}

}  // namespace zerin::cli
