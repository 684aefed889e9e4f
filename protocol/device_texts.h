// The texts by which a device's details are shown to the user.
#pragma once

#include <string>

#include "protocol/packet.h"

namespace zerin {

// Six lower-case hex pairs separated by colons.
std::string FormatMacAddress(const MacAddress& mac);

}  // namespace zerin
