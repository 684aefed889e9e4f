// A member list view in report view: its columns, and its rows as texts.
#pragma once

#include <string>
#include <vector>

#include "ui/framework/control.h"

namespace zerin::ui {

class ListView : public Control {
  public:
    struct Column {
        const char* heading;
        int width;  // pixels
    };

    // Full-row selection as the only extended style, then the columns, left-aligned, in order.
    void SetUpColumns(const std::vector<Column>& columns) const;

    int RowCount() const;
    // Adds a row after the last, its texts column by column.
    void AppendRow(const std::vector<std::string>& texts) const;
    std::string CellText(int row, int column) const;
    void DeleteRow(int row) const;
    // Deletes every row, from the last to the first.
    void DeleteAllRows() const;
    // The first selected row, or -1 when none is.
    int FirstSelectedRow() const;
};

}  // namespace zerin::ui
