// Text for a terminal: rows of columns, each column as wide as its widest field and two spaces
// between them, a line a row; for a pipe, tab-separated lines without the header row.
#pragma once

#include <string>
#include <vector>

#include "cli/command.h"

namespace zerin::cli {

std::string AlignedTable(const std::vector<std::vector<std::string>>& rows);

// A line a row, its fields joined by the separator.
std::string TabbedLines(const std::vector<std::vector<std::string>>& rows,
                        const std::string& separator);

// The rows, the first a header, aligned when the output is a terminal, else tab-separated
// without the header.
void PrintRows(CommandContext& context, const std::vector<std::vector<std::string>>& rows);

// The JSON array under --json, else the rows as PrintRows prints them.
void PrintListing(CommandContext& context, bool json, const Json& array,
                  const std::vector<std::vector<std::string>>& rows);

}  // namespace zerin::cli
