// Writing found devices.
#include "cli/device_listing.h"

#include "protocol/device_texts.h"

namespace zerin::cli {

namespace {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + '"';
}

}  // namespace

ListedDevice ListDevice(const FoundDevice& device) {
    const DeviceRecord& record = *device.record;
    return {record.name,         FormatMacAddress(record.macAddress),
            record.ipAddress,    record.productCode,
            device.adapter.name, FormatIpv4(device.adapter.address)};
}

std::string DeviceLine(const ListedDevice& device, char separator) {
    return device.name + separator + device.mac + separator + device.ip + separator +
           device.adapterName;
}

Json DeviceJson(const ListedDevice& device) {
    return {{"name", device.name},
            {"mac", device.mac},
            {"ip", device.ip},
            {"productCode", device.productCode},
            {"adapter", {{"name", device.adapterName}, {"address", device.adapterAddress}}}};
}

std::string CsvHeader() {
    return "name,mac,ip,productCode,adapter\r\n";
}

std::string CsvRecord(const ListedDevice& device) {
    return CsvField(device.name) + ',' + device.mac + ',' + CsvField(device.ip) + ',' +
           CsvField(device.productCode) + ',' + CsvField(device.adapterName) + "\r\n";
}

}  // namespace zerin::cli
