// The main window's USB list view: one row per USB storage share of the selected device.
#pragma once

#include <vector>

#include "protocol/device_texts.h"
#include "ui/framework/control.h"

namespace zerin::ui {

class UsbListView : public Control {
  public:
    // Full-row selection and the five columns.
    void SetUp() const;
    // Deletes every row, from the last to the first.
    void DeleteAllRows() const;
    // Appends one row per entry.
    void AddRows(const std::vector<UsbRow>& rows) const;

    int RowCount() const;
};

}  // namespace zerin::ui
