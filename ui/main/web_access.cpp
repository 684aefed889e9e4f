// Web access to a device.
#include "ui/main/web_access.h"

namespace zerin::ui {

std::string WebPageUrl(const DeviceRecord& record) {
    return std::string("http://") + record.ipAddress;
}

void OpenDeviceWebPage(Shell& shell, const DeviceRecord& record) {
    shell.Execute(nullptr, "open", WebPageUrl(record).c_str(), nullptr, nullptr, SW_HIDE);
}

}  // namespace zerin::ui
