// Writing JSON values.
#include "operations/json_text.h"

namespace zerin {

std::string JsonText(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace zerin
