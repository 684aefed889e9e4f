// JSON string escaping for the command-line tool.
#include "tools/cli/json_writer.h"

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

}  // namespace zerin::cli
