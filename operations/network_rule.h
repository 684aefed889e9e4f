// The rule that keeps a network setting from losing its device: on a real network a device given
// an address it cannot hold, a mask with holes or a gateway off its own subnet is gone until
// someone resets it by hand. It judges the addresses of a static setup as they will be written;
// a setup by DHCP, which replaces them, needs only their form.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zerin {

// How a message names the address of an index, in the order of kAddressFields: "--mask",
// "network.mask", "the device's mask", ...
using AddressNaming = std::function<std::string(size_t index)>;

// Why the addresses would lose the device, each named as naming says: "--ip 0.0.0.0 is no
// address of a host", "--mask 255.0.255.0 is not a run of ones then zeros", ...; empty when
// none would. Addresses not given are not judged, nor those that need one that is not given (the
// network address of the IP address needs the mask). Addresses that do not read are not judged:
// their form is checked where they are read.
std::string LosingAddress(const std::optional<std::string> (&addresses)[5],
                          const AddressNaming& naming);

}  // namespace zerin
