// Dotted decimal text in and out of an IP address control.
#include "ui/wizard/ip_address_control.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>
#include <optional>

namespace zerin::ui {

namespace {

// Four numbers from 0 to 255 of one to three digits, separated by dots, as the control's value.
std::optional<DWORD> ParseDottedQuad(std::string_view text) {
    DWORD address = 0;
    for (int field = 0; field < 4; ++field) {
        if (field > 0) {
            if (text.empty() || text.front() != '.') {
                return std::nullopt;
            }
            text.remove_prefix(1);
        }
        unsigned number = 0;
        const char* digitsEnd = text.data() + std::min<size_t>(text.size(), 3);
        const auto [end, error] = std::from_chars(text.data(), digitsEnd, number);
        if (error != std::errc() || number > 255) {
            return std::nullopt;
        }
        text.remove_prefix(end - text.data());
        address = address << 8 | number;
    }
    return text.empty() ? std::optional<DWORD>(address) : std::nullopt;
}

}  // namespace

void IpAddressControl::SetAddress(std::string_view dotted) const {
    if (const auto address = ParseDottedQuad(dotted)) {
        Send(IPM_SETADDRESS, 0, *address);
    } else {
        Send(IPM_CLEARADDRESS);
    }
}

std::string IpAddressControl::Address() const {
    DWORD address = 0;
    Send(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    return std::to_string(FIRST_IPADDRESS(address)) + '.' +
           std::to_string(SECOND_IPADDRESS(address)) + '.' +
           std::to_string(THIRD_IPADDRESS(address)) + '.' +
           std::to_string(FOURTH_IPADDRESS(address));
}

}  // namespace zerin::ui
