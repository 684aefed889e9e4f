// Creation of device records and the handling of their share lists.
#include "protocol/device_record.h"

#include <algorithm>
#include <string>

namespace zerin {

std::string ShareNameEntry::Name() const {
    return std::string(bytes.data(), std::find(bytes.begin(), bytes.end(), '\0'));
}

std::unique_ptr<DeviceRecord> CreateDeviceRecord() {
    return std::make_unique<DeviceRecord>();
}

void ResetShareList(DeviceRecord& record) {
    if (record.shareList) {
        record.shareList->clear();
    } else {
        record.shareList.emplace();
    }
}

void AppendShareEntry(DeviceRecord& record, const uint8_t* entryBytes) {
    ShareNameEntry entry;
    std::copy_n(entryBytes, ShareNameEntry::kSize, entry.bytes.begin());
    record.shareList->push_back(entry);
}

}  // namespace zerin
