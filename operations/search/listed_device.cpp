// Writing found devices.
#include "operations/search/listed_device.h"

#include "protocol/device_texts.h"

namespace zerin {

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

std::string HeardBy(const ListedDevice& device) {
    return device.via.empty() ? device.adapterName : "via " + device.via;
}

ListedDevice ListDevice(const FoundDevice& device) {
    const DeviceRecord& record = *device.record;
    const NetworkAdapter adapter = record.adapter.value_or(NetworkAdapter{});
    return {record.name,
            FormatMacAddress(record.macAddress),
            record.ipAddress,
            record.productCode,
            record.adapter ? adapter.name : "",
            record.adapter ? FormatIpv4(adapter.address) : "",
            record.via ? FormatIpv4(*record.via) : ""};
}

std::string DeviceLine(const ListedDevice& device, char separator) {
    return device.name + separator + device.mac + separator + device.ip + separator +
           HeardBy(device);
}

Json DeviceJson(const ListedDevice& device, std::optional<bool> isNew) {
    Json json = {{"name", device.name},
                 {"mac", device.mac},
                 {"ip", device.ip},
                 {"productCode", device.productCode}};
    if (device.via.empty()) {
        json["adapter"] = {{"name", device.adapterName}, {"address", device.adapterAddress}};
    } else {
        json["via"] = device.via;
    }
    if (isNew) {
        json["new"] = *isNew;
    }
    return json;
}

std::string CsvHeader(bool withNew) {
    return std::string("name,mac,ip,productCode,adapter,via") + (withNew ? ",new" : "") + "\r\n";
}

std::string CsvRecord(const ListedDevice& device, std::optional<bool> isNew) {
    const std::string mark = !isNew ? "" : *isNew ? ",new" : ",";
    return CsvField(device.name) + ',' + device.mac + ',' + CsvField(device.ip) + ',' +
           CsvField(device.productCode) + ',' + CsvField(device.adapterName) + ',' + device.via +
           mark + "\r\n";
}

}  // namespace zerin
