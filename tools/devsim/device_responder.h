// How the simulated devices answer one request: which devices answer, what each sends and after
// how long, and what a settings request changes in the device's state.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/devsim/device_state.h"
#include "tools/devsim/reply_builder.h"

namespace zerin::devsim {

// Status of a verify reply refusing the name and password.
constexpr uint16_t kVerifyRefused = 1;

struct Answer {
    uint32_t delayMs = 0;
    Datagram bytes;
    bool broadcast = false;  // to 255.255.255.255 at the request's source port, not to its source
};

// Every device answers a search; any other command only the device whose MAC the header names.
// A request sent by unicast (unicastTo: the address it was sent to) reaches only the device with
// that IP address, as on a real network. A datagram shorter than a header, a command no device
// knows, or a request too short for its fields gets no answer. Answers are in sending order; equal
// delays keep that order.
std::vector<Answer> Respond(std::vector<DeviceState>& devices, const Datagram& request,
                            const std::optional<std::string>& unicastTo = std::nullopt);

}  // namespace zerin::devsim
