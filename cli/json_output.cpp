// Writing JSON values.
#include "cli/json_output.h"

namespace zerin::cli {

void PrintJson(const Json& value, std::ostream& out) {
    out << value.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace zerin::cli
