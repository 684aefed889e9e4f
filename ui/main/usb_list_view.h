// The main window's USB list view: one row per USB storage share of the selected device.
#pragma once

#include <vector>

#include "protocol/device_texts.h"
#include "ui/framework/list_view.h"

namespace zerin::ui {

class UsbListView : public ListView {
  public:
    // Full-row selection and the five columns.
    void SetUp() const;
    // Appends one row per entry.
    void AddRows(const std::vector<UsbRow>& rows) const;
};

}  // namespace zerin::ui
