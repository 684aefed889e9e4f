// Set-up and filling of the USB list view.
#include "ui/main/usb_list_view.h"

namespace zerin::ui {

void UsbListView::SetUp() const {
    SetUpColumns({{"Share Name", 110},
                  {"Device Id", 70},
                  {"FS Type", 70},
                  {"Total Size(MB)", 100},
                  {"Free Space", 90}});
}

void UsbListView::AddRows(const std::vector<UsbRow>& rows) const {
    for (const UsbRow& row : rows) {
        AppendRow({row.shareName, row.deviceId, row.fileSystem, row.totalSize, row.freeSpace});
    }
}

}  // namespace zerin::ui
