// Listing of the devices found by a search.
#include "cli/search_command.h"

#include "protocol/device_search.h"
#include "protocol/device_texts.h"
#include "cli/json_writer.h"

namespace zerin::cli {

namespace {

std::string DeviceJson(const DeviceRecord& device) {
    return JsonObject()
        .String("name", device.name)
        .String("mac", FormatMacAddress(device.macAddress))
        .String("ip", device.ipAddress)
        .String("productCode", device.productCode)
        .Text();
}

int RunSearch(const Arguments& arguments, CommandContext& context) {
    PrintDevices(FindDevices(context.sockets, context.reporter), arguments.Has("--json"),
                 context.out);
    return kExitSuccess;
}

}  // namespace

const Command& SearchCommand() {
    static const Command command{"search", "[--json]", 0, {{"--json", false}}, RunSearch};
    return command;
}

DeviceArray FindDevices(SocketLayer& sockets, Reporter& reporter) {
    DeviceArray devices;
    SearchDevices(sockets, reporter, [&](std::unique_ptr<DeviceRecord> record) {
        devices.push_back(std::move(record));
    });
    return devices;
}

void PrintDevices(const DeviceArray& devices, bool json, std::ostream& out) {
    if (json) {
        std::vector<std::string> objects;
        for (const auto& device : devices) {
            objects.push_back(DeviceJson(*device));
        }
        out << JsonArray(objects) << '\n';
        return;
    }
    for (const auto& device : devices) {
        out << device->name << '\t' << FormatMacAddress(device->macAddress) << '\t'
            << device->ipAddress << '\n';
    }
}

}  // namespace zerin::cli
