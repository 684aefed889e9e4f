// Finding the device a command names.
#include "cli/device_lookup.h"

#include <algorithm>
#include <cctype>

#include "protocol/device_texts.h"
#include "cli/search_command.h"

namespace zerin::cli {

namespace {

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::unique_ptr<DeviceRecord> LookUpDevice(CommandContext& context, const std::string& device) {
    DeviceArray devices = FindDevices(context.sockets, context.reporter);
    const std::string mac = LowerCase(device);
    const auto found = std::find_if(devices.begin(), devices.end(), [&](const auto& record) {
        return record->name == device || FormatMacAddress(record->macAddress) == mac;
    });
    if (found == devices.end()) {
        context.err << "zerin-cli: no device named " << device << " answered the search\n";
        return nullptr;
    }
    return std::move(*found);
}

}  // namespace zerin::cli
