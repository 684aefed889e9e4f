// Columns and rows of a list view in report view.
#include "ui/framework/list_view.h"

#include <commctrl.h>

namespace zerin::ui {

void ListView::SetUpColumns(const std::vector<Column>& columns) const {
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);  // mask 0: all styles replaced
    int index = 0;
    for (const Column& column : columns) {
        LVCOLUMNA header{};
        header.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
        header.fmt = LVCFMT_LEFT;
        header.cx = column.width;
        header.pszText = const_cast<char*>(column.heading);
        Send(LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&header));
    }
}

int ListView::RowCount() const {
    return static_cast<int>(Send(LVM_GETITEMCOUNT));
}

void ListView::AppendRow(const std::vector<std::string>& texts) const {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount();
    item.pszText = const_cast<char*>(texts.front().c_str());
    const int row = static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (size_t column = 1; column < texts.size(); ++column) {
        LVITEMA cell{};
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = const_cast<char*>(texts[column].c_str());
        Send(LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
    }
}

std::string ListView::CellText(int row, int column) const {
    std::string text(64, '\0');
    for (;;) {
        LVITEMA cell{};
        cell.iSubItem = column;
        cell.pszText = text.data();
        cell.cchTextMax = static_cast<int>(text.size());
        const auto length =
            static_cast<size_t>(Send(LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell)));
        if (length + 1 < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(text.size() * 2);  // the text may have been cut: read it again, wider
    }
}

void ListView::DeleteRow(int row) const {
    Send(LVM_DELETEITEM, row);
}

void ListView::DeleteAllRows() const {
    for (int row = RowCount() - 1; row >= 0; --row) {
        DeleteRow(row);
    }
}

int ListView::FirstSelectedRow() const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace zerin::ui
