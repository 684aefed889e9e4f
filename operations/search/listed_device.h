// A device that a search found, as every front-end writes it: a line of separated fields, a JSON
// object, a CSV record, each ending with the adapter that heard the device or the target address
// that answered; and, with a known-devices file, whether the device is new to it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "operations/json_text.h"
#include "operations/search/device_finder.h"

namespace zerin {

// What a listing shows of a found device, kept as values so a watch can compare windows.
struct ListedDevice {
    std::string name;
    std::string mac;
    std::string ip;
    std::string productCode;
    std::string adapterName;
    std::string adapterAddress;
    std::string via;  // the target address that answered; empty for a device heard by adapter
};

ListedDevice ListDevice(const FoundDevice& device);

// The adapter's name, or "via ADDRESS" for a device that answered a target address.
std::string HeardBy(const ListedDevice& device);

// name, MAC, IP address and adapter name or "via ADDRESS", separated by the separator.
std::string DeviceLine(const ListedDevice& device, char separator);

// {"name", "mac", "ip", "productCode", "adapter": {"name", "address"}}, or "via": "ADDRESS" in
// place of the adapter; then "new": true | false when isNew is given.
Json DeviceJson(const ListedDevice& device, std::optional<bool> isNew = std::nullopt);

// RFC 4180: the header and the records end with CR LF; a field holding a comma, a quote or a
// line end is quoted, its quotes doubled. The adapter and via columns: one of them is empty.
// With a known-devices file, a last column "new" holds "new" or nothing.
std::string CsvHeader(bool withNew = false);
std::string CsvRecord(const ListedDevice& device, std::optional<bool> isNew = std::nullopt);

}  // namespace zerin
