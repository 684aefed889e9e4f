// An IP address control (four number fields) read and written as dotted decimal text. The
// control's own address messages are used rather than its window text, which not every system
// parses into the fields.
#pragma once

#include <string>
#include <string_view>

#include "ui/framework/control.h"

namespace zerin::ui {

class IpAddressControl : public Control {
  public:
    // Shows a dotted decimal address; any other text leaves the four fields blank.
    void SetAddress(std::string_view dotted) const;
    // The address in dotted decimal, a blank field reading as 0.
    std::string Address() const;
};

}  // namespace zerin::ui
