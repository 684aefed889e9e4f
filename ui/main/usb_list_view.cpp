// Set-up and filling of the USB list view.
#include "ui/main/usb_list_view.h"

#include <commctrl.h>

namespace zerin::ui {

namespace {

struct Column {
    const char* heading;
    int width;
};

constexpr Column kColumns[] = {
    {"Share Name", 110},     {"Device Id", 70},  {"FS Type", 70},
    {"Total Size(MB)", 100}, {"Free Space", 90},
};

}  // namespace

void UsbListView::SetUp() const {
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    int index = 0;
    for (const Column& column : kColumns) {
        LVCOLUMNA header{};
        header.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
        header.fmt = LVCFMT_LEFT;
        header.cx = column.width;
        header.pszText = const_cast<char*>(column.heading);
        Send(LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&header));
    }
}

int UsbListView::RowCount() const {
    return static_cast<int>(Send(LVM_GETITEMCOUNT));
}

void UsbListView::DeleteAllRows() const {
    for (int row = RowCount() - 1; row >= 0; --row) {
        Send(LVM_DELETEITEM, row);
    }
}

void UsbListView::AddRows(const std::vector<UsbRow>& rows) const {
    for (const UsbRow& row : rows) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = RowCount();
        item.pszText = const_cast<char*>(row.shareName.c_str());
        const int index =
            static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        const std::string* columns[] = {&row.deviceId, &row.fileSystem, &row.totalSize,
                                        &row.freeSpace};
        for (int column = 1; column <= 4; ++column) {
            LVITEMA cell{};
            cell.iSubItem = column;
            cell.pszText = const_cast<char*>(columns[column - 1]->c_str());
            Send(LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&cell));
        }
    }
}

}  // namespace zerin::ui
