// Listing of the devices found by a search.
#include "cli/search_command.h"

#include "cli/device_target.h"
#include "cli/exit_status.h"
#include "cli/json_output.h"
#include "protocol/device_search.h"
#include "protocol/device_texts.h"

namespace zerin::cli {

namespace {

class SearchCommand : public Command {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "search", "Search the network for devices and list them: name, MAC and IP address");
        command->add_flag("--json", json_, "print a JSON array");
        return command;
    }

    int Run(CommandContext& context) override {
        PrintDevices(FindDevices(context.sockets, context.reporter), json_, context.out);
        return Finish(context, kExitDone);
    }

  private:
    bool json_ = false;
};

Json DeviceJson(const DeviceRecord& device) {
    return {{"name", device.name},
            {"mac", FormatMacAddress(device.macAddress)},
            {"ip", device.ipAddress},
            {"productCode", device.productCode}};
}

}  // namespace

std::unique_ptr<Command> MakeSearchCommand() {
    return std::make_unique<SearchCommand>();
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
        Json array = Json::array();
        for (const auto& device : devices) {
            array.push_back(DeviceJson(*device));
        }
        PrintJson(array, out);
        return;
    }
    for (const auto& device : devices) {
        out << device->name << '\t' << FormatMacAddress(device->macAddress) << '\t'
            << device->ipAddress << '\n';
    }
}

}  // namespace zerin::cli
