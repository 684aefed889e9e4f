// Listing of the devices found by a search.
#include "tools/cli/search_command.h"

#include "protocol/device_search.h"
#include "protocol/device_texts.h"
#include "tools/cli/json_writer.h"

namespace zerin::cli {

DeviceArray FindDevices(SocketLayer& sockets, Reporter& reporter) {
    DeviceArray devices;
    SearchDevices(sockets, reporter, [&](std::unique_ptr<DeviceRecord> record) {
        devices.push_back(std::move(record));
    });
    return devices;
}

void PrintDevices(const DeviceArray& devices, bool json, std::ostream& out) {
    if (!json) {
        for (const auto& device : devices) {
            out << device->name << '\t' << FormatMacAddress(device->macAddress) << '\t'
                << device->ipAddress << '\n';
        }
        return;
    }
    out << '[';
    const char* separator = "";
    for (const auto& device : devices) {
        out << separator << "{\"name\":" << JsonString(device->name)
            << ",\"mac\":" << JsonString(FormatMacAddress(device->macAddress))
            << ",\"ip\":" << JsonString(device->ipAddress)
            << ",\"productCode\":" << JsonString(device->productCode) << '}';
        separator = ",";
    }
    out << "]\n";
}

}  // namespace zerin::cli
