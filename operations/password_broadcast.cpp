// Whether a verification may go by broadcast.
#include "operations/password_broadcast.h"

#include "protocol/administrator_verification.h"

namespace zerin {

namespace {

std::string OutsideThisNetwork(const DeviceRecord& device) {
    return std::string(device.name) + " has an address outside this network: ";
}

}  // namespace

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

}  // namespace zerin
