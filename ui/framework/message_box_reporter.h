// Shows the protocol core's messages in the application message box.
#pragma once

#include "protocol/reporter.h"
#include "ui/framework/message_box.h"

namespace zerin::ui {

struct MessageBoxReporter : Reporter {
    void Report(const std::string& message) override { AppMessageBox(message); }
};

}  // namespace zerin::ui
