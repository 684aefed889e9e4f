// Writing and reading JSON values.
#include "operations/json_text.h"

namespace zerin {

namespace {

// "line L, column C", from 1, of the last byte the parser read.
std::string Position(const std::string& text, size_t byte) {
    size_t line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i + 1 < byte && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(byte - lineStart);
}

}  // namespace

std::string JsonText(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string FileJsonText(const Json& value) {
    return value.dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
}

std::string ValidUtf8(const std::string& text) {
    return Json::parse(JsonText(text)).get<std::string>();
}

std::optional<Json> ParseJsonText(const std::string& text, std::string& error) {
    try {
        return Json::parse(text);
    } catch (const Json::parse_error& e) {
        error = "not JSON: syntax error at " + Position(text, e.byte);
    } catch (const Json::exception&) {
        error = "not JSON: a number out of range";
    }
    return std::nullopt;
}

}  // namespace zerin
