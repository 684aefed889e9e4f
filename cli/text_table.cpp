// Aligning the columns of a table.
#include "cli/text_table.h"

#include <algorithm>

namespace zerin::cli {

std::string AlignedTable(const std::vector<std::vector<std::string>>& rows) {
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    std::string table;
    for (const auto& row : rows) {
        for (size_t column = 0; column + 1 < row.size(); ++column) {
            table += row[column] + std::string(widths[column] - row[column].size() + 2, ' ');
        }
        table += (row.empty() ? "" : row.back()) + '\n';
    }
    return table;
}

std::string TabbedLines(const std::vector<std::vector<std::string>>& rows,
                        const std::string& separator) {
    std::string lines;
    for (const auto& row : rows) {
        for (size_t column = 0; column < row.size(); ++column) {
            lines += (column == 0 ? "" : separator) + row[column];
        }
        lines += '\n';
    }
    return lines;
}

void PrintRows(CommandContext& context, const std::vector<std::vector<std::string>>& rows) {
    context.out << (context.console.OutputIsTerminal()
                        ? AlignedTable(rows)
                        : TabbedLines({rows.begin() + (rows.empty() ? 0 : 1), rows.end()}, "\t"));
}

void PrintListing(CommandContext& context, bool json, const Json& array,
                  const std::vector<std::vector<std::string>>& rows) {
    if (json) {
        PrintJson(context, array);
    } else {
        PrintRows(context, rows);
    }
}

}  // namespace zerin::cli
