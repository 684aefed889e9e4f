// Whether a verification may go by broadcast.
#include "cli/password_broadcast.h"

#include "protocol/administrator_verification.h"

namespace zerin::cli {

namespace {

std::string OutsideThisNetwork(const DeviceRecord& device) {
    return std::string(device.name) + " has an address outside this network: ";
}

}  // namespace

void AddNoBroadcastPasswordOption(CLI::App& command, bool& refuse) {
    command.add_flag("--no-broadcast-password", refuse,
                     "refuse to verify a device whose address lies outside this network, which "
                     "only a broadcast reaches: that would hand its administrator password to "
                     "every host on the link");
}

bool MayVerify(const DeviceRecord& device, bool refuse,
               const std::function<void(const std::string&)>& warn) {
    if (VerificationAddress(device)) {
        return true;
    }
    if (refuse) {
        return false;
    }
    if (warn) {
        warn(OutsideThisNetwork(device) + "its administrator password is sent as a broadcast");
    }
    return true;
}

std::string BroadcastRefusedText(const DeviceRecord& device) {
    return OutsideThisNetwork(device) + "its administrator password is not sent as a broadcast";
}

}  // namespace zerin::cli
