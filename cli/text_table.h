// Text for a terminal: rows of columns, each column as wide as its widest field and two spaces
// between them, a line a row.
#pragma once

#include <string>
#include <vector>

namespace zerin::cli {

std::string AlignedTable(const std::vector<std::vector<std::string>>& rows);

}  // namespace zerin::cli
